#include <gtest/gtest.h>

#include <QLabel>

#include "BaseEssai.h"
#include "FenetreHote.h"
#include "PlateformeEnregistree.h"
#include "mvdb/TheClient.h"

// The demo host's form, as a user opens it: when the control hides "Imprimer", a line under
// the control says why.

namespace {

struct Ouverture {
    std::string login;
    // The line under the control; empty: there is none.
    QString refus;
};

TEST(FenetreHote, UnLoginInconnuOuSansDroitDImprimerLeDitDansLaFenetre) {
    const essai::BaseEssai base{essai::DonneesStandard()};
    for (const Ouverture& cas : std::vector<Ouverture>{
             {"admin", ""},
             {"inconnu",
              "Utilisateur inconnu : « inconnu ». Sans droits, l'impression n'est pas "
              "possible."},
             {"lecteur", "L'utilisateur « lecteur » n'a pas le droit d'imprimer."},
         }) {
        const auto plateforme = std::make_shared<ardoine::PlateformeEnregistree>();
        demo::FenetreHote fenetre(base.Client(), base.Client()->base(),
                                  QString::fromStdString(cas.login), plateforme->Services());
        fenetre.show();
        const auto* ligne = fenetre.findChild<QLabel*>("refusImpression");
        const QSize controle = fenetre.Controle().minimumSize();
        if (cas.refus.isEmpty()) {
            EXPECT_EQ(ligne, nullptr) << cas.login;
            EXPECT_EQ(fenetre.size(), controle);
            continue;
        }
        ASSERT_NE(ligne, nullptr) << cas.login;
        EXPECT_EQ(ligne->text(), cas.refus);
        EXPECT_TRUE(ligne->isVisible());
        // The whole line shows, under the control of its design size.
        EXPECT_GE(ligne->geometry().top(), controle.height());
        EXPECT_LE(ligne->geometry().bottom(), fenetre.height());
        EXPECT_GE(ligne->height(), ligne->heightForWidth(ligne->width()));
        EXPECT_EQ(fenetre.width(), controle.width());
        EXPECT_TRUE(plateforme->Appels().filter("message").isEmpty()) << cas.login;
    }
}

}  // namespace
