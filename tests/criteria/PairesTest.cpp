#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Face.h"
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
    f.Taper(f.e.Txt_Association, "A01");
    f.Messages();
    const auto refuse = [&f](QLineEdit* zone, const QString& texte) {
        SCOPED_TRACE(zone->objectName().toStdString());
        f.Taper(zone, "9");
        f.Quitter();
        EXPECT_EQ(f.Messages(), QStringList{Exclamation(texte)});
        EXPECT_EQ(zone->text(), "");
        EXPECT_EQ(QApplication::focusWidget(), zone);
    };
    refuse(f.e.Txt_Activites, "Cette activité n'existe pas.");
    refuse(f.e.Txt_Responsable, "Ce responsable n'existe pas.");
    refuse(f.e.Txt_CodeOrg, "Cet organisme de prise en charge n'existe pas.");
    QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton);
    refuse(f.e.Txt_Commune, "Cette commune n'existe pas.");
    f.e.Txt_Association->clear();
    f.Messages();
    refuse(f.e.Txt_Association, "Cette entité juridique n'existe pas.");
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
    f.Taper(f.e.Txt_Association, "A01");
    f.Taper(f.e.Cbo_SigleOrg, "XY");
    Coller(f.e.Txt_CodeOrg, "101");
    EXPECT_EQ(f.e.Cbo_SigleOrg->currentText(), "CPAM");
    QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton);
    f.Taper(f.e.Cbo_Commune, "LY");
    Coller(f.e.Txt_Commune, "75056");
    EXPECT_EQ(f.e.Cbo_Commune->currentText(), "PARIS");
}

}  // namespace
