#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "Face.h"
#include "Formulaire.h"
#include "ObjetsModule.h"

// What every lookup pair does alike, tried on each.

namespace {

using essai::Face;
using essai::Formulaire;

QString Exclamation(const QString& texte) {
    return "Exclamation | Message KORVANE | " + texte;
}

// One lookup pair: its code box and list box, the option that shows it, a code on file with its
// label, a short code that Tab completes to one on file (none for the pairs whose codes start
// with a letter), and codes on file nowhere (lower case among them).
struct Paire {
    QLineEdit* Face::*zone;
    ardoine::ListeDeroulante* Face::*liste;
    QRadioButton* Face::*option;
    QString code, libelle;
    QString court, complet, libelleDuCourt;
    // Separated by spaces.
    QString refuses;
    QString inconnu;
};

const Paire Paires[] = {
    {&Face::Txt_Activites, &Face::Cbo_Activites, nullptr, "001", "AIDE A DOMICILE", "2", "002",
     "PORTAGE DE REPAS", "009 tab", "Cette activité n'existe pas."},
    {&Face::Txt_Responsable, &Face::Cbo_RespSect, nullptr, "R01", "DUPONT Jean", "", "", "",
     "R09 r01", "Ce responsable n'existe pas."},
    {&Face::Txt_CodeOrg, &Face::Cbo_SigleOrg, nullptr, "101", "CPAM", "", "", "", "999",
     "Cet organisme de prise en charge n'existe pas."},
    {&Face::Txt_Commune, &Face::Cbo_Commune, &Face::Opt_Commune, "75056", "PARIS", "12", "00012",
     "COMMUNE D ESSAI", "99999 2a004", "Cette commune n'existe pas."},
    // Last: emptying the entity closes the pairs that hang on it.
    {&Face::Txt_Association, &Face::Cbo_Association, nullptr, "A01", "ALPHA SERVICES", "7", "007",
     "OMEGA", "Z99 a01", "Cette entité juridique n'existe pas."},
};

// A code on file shows its label; a short one is completed with zeros when the box is left
// with Tab or Enter, then checked; an unknown one is refused, emptied, and the focus comes back
// to its box, wherever Tab sent it.
TEST(Paires, UnCodeEstCompleteVerifieEtUnCodeInconnuRefuseDansChaquePaire) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    for (const Paire& paire : Paires) {
        QLineEdit* zone = f.e.*paire.zone;
        ardoine::ListeDeroulante* liste = f.e.*paire.liste;
        SCOPED_TRACE(zone->objectName().toStdString());
        if (paire.option != nullptr) {
            QTest::mouseClick(f.e.*paire.option, Qt::LeftButton);
        }
        const auto vider = [&] {
            zone->clear();
            f.Messages();
        };
        vider();
        f.Taper(zone, paire.code);
        EXPECT_EQ(liste->currentText(), paire.libelle);
        EXPECT_EQ(f.Messages(), QStringList{});
        if (!paire.court.isEmpty()) {
            vider();
            f.Taper(zone, paire.court);
            f.Quitter();
            EXPECT_EQ(zone->text(), paire.complet);
            EXPECT_EQ(liste->currentText(), paire.libelleDuCourt);
            EXPECT_EQ(QApplication::focusWidget(), liste);
        }
        vider();
        for (const Qt::Key touche : {Qt::Key_Tab, Qt::Key_Return}) {
            f.Taper(zone, "9");
            QTest::keyClick(zone, touche);
            EXPECT_EQ(f.Messages(), QStringList{Exclamation(paire.inconnu)}) << touche;
            EXPECT_EQ(zone->text(), "");
            EXPECT_EQ(QApplication::focusWidget(), zone);
        }
        for (const QString& code : paire.refuses.split(' ')) {
            f.Taper(zone, code);
            EXPECT_EQ(f.Messages(), QStringList{Exclamation(paire.inconnu)}) << code.toStdString();
            EXPECT_EQ(zone->text(), "");
            EXPECT_EQ(QApplication::focusWidget(), zone);
        }
    }
}

// A code that could not be checked does not stay in its box, and the host is told why.
TEST(Paires, UneLectureEnEchecArriveAuHoteEtNeLaissePasDeCodeNonVerifie) {
    Formulaire f;
    f.Taper(f.e.Txt_Association, "A01");
    QTest::mouseClick(f.e.Opt_Commune, Qt::LeftButton);
    auto& module = ardoine::ObjetsModule::DuThread();
    module.Fic_OrgPriseCharge = std::make_shared<essai::FichierEnPanne>();
    module.Fic_Communes = std::make_shared<essai::FichierEnPanne>();
    for (const auto& [zone, liste, code] : {std::tuple{f.e.Txt_CodeOrg, f.e.Cbo_SigleOrg, "101"},
                                            {f.e.Txt_Commune, f.e.Cbo_Commune, "75056"}}) {
        SCOPED_TRACE(code);
        f.erreurs.clear();
        f.Taper(zone, code);
        EXPECT_EQ(f.erreurs, QStringList{"La base de données ne répond pas."});
        EXPECT_EQ(zone->text(), "");
        EXPECT_EQ(liste->currentText(), "");
        EXPECT_TRUE(f.c.isEnabled());
    }
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
