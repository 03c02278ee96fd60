#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Formulaire.h"

// What every lookup pair does alike, tried on each.

namespace {

using essai::Formulaire;

QString Exclamation(const QString& texte) {
    return "Exclamation | Message KORVANE | " + texte;
}

// A short code is completed when the box is left with Tab, then checked: an unknown one is
// refused and the focus comes back to its box, wherever Tab sent it.
TEST(Paires, UnCodeCourtInconnuEstRefuseEnSortantEtLeFocusRevient) {
    Formulaire f;
    f.Taper(f.c.Txt_Association, "A01");
    f.Messages();
    const auto refuse = [&f](QLineEdit* zone, const QString& texte) {
        SCOPED_TRACE(zone->objectName().toStdString());
        f.Taper(zone, "9");
        f.Quitter();
        EXPECT_EQ(f.Messages(), QStringList{Exclamation(texte)});
        EXPECT_EQ(zone->text(), "");
        EXPECT_EQ(QApplication::focusWidget(), zone);
    };
    refuse(f.c.Txt_Activites, "Cette activité n'existe pas.");
    refuse(f.c.Txt_Responsable, "Ce responsable n'existe pas.");
    refuse(f.c.Txt_CodeOrg, "Cet organisme de prise en charge n'existe pas.");
    QTest::mouseClick(f.c.Opt_Commune, Qt::LeftButton);
    refuse(f.c.Txt_Commune, "Cette commune n'existe pas.");
    f.c.Txt_Association->clear();
    f.Messages();
    refuse(f.c.Txt_Association, "Cette entité juridique n'existe pas.");
}

void Coller(QLineEdit* zone, const QString& texte) {
    QApplication::clipboard()->setText(texte);
    zone->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(zone, Qt::Key_V, Qt::ControlModifier);
}

// The label read for a checked code replaces whatever the list box showed, typed text included
// (a code pasted whole reaches its width while the list box still shows that text).
TEST(Paires, LeLibelleDUnCodeRemplaceLeTexteDeLaListe) {
    Formulaire f;
    f.Taper(f.c.Txt_Association, "A01");
    f.Taper(f.c.Cbo_SigleOrg, "XY");
    Coller(f.c.Txt_CodeOrg, "101");
    EXPECT_EQ(f.c.Cbo_SigleOrg->currentText(), "CPAM");
    QTest::mouseClick(f.c.Opt_Commune, Qt::LeftButton);
    f.Taper(f.c.Cbo_Commune, "LY");
    Coller(f.c.Txt_Commune, "75056");
    EXPECT_EQ(f.c.Cbo_Commune->currentText(), "PARIS");
}

}  // namespace
