#include <gtest/gtest.h>

#include <QSignalBlocker>

#include "DonneesRapport.h"
#include "ImpressionEssai.h"

// The sentence of the agreement selection for each combination of criteria, as the database
// receives it. The criteria are placed in their boxes without their own handlers, so that
// only the print command reads them.

namespace {

using essai::ImpressionEssai;

// The sentence up to the grouping clause, for May 2018 and legal entity "041".
std::string Debut() {
    return R"(SSELECT ACCORD AVEC TypeOrgChgAcc = "P" AND AVEC 6 >= ")" +
           essai::TexteJour(2018, 5, 1) + R"(" AND AVEC 6 <= ")" + essai::TexteJour(2018, 5, 31) +
           R"(" AND AVEC EntiteAccord = "041" AND AVEC DateSortieAideAccord = "" AND AVEC 18 = "")"
           R"( AND AVEC 20 = "")";
}

class Phrase : public ::testing::Test {
  protected:
    static void Placer(QLineEdit* zone, const char* texte) {
        const QSignalBlocker bloque(zone);
        zone->setText(QString::fromUtf8(texte));
    }
    static void Choisir(QRadioButton* option) {
        const QSignalBlocker bloque(option);
        option->setChecked(true);
    }
    void Organisme(const char* code, const char* libelle) {
        Placer(controle.Txt_CodeOrg, code);
        const QSignalBlocker bloque(controle.Cbo_SigleOrg);
        controle.Cbo_SigleOrg->setEditText(QString::fromUtf8(libelle));
    }
    // The sentence of one press of "Imprimer".
    std::string Envoyee() {
        impression.Imprimer();
        EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
        const auto phrases = impression.base->Phrases("ACCORD");
        return phrases.empty() ? std::string() : phrases.back();
    }

    ImpressionEssai impression{essai::Socle()};
    Ctr_Ardoine& controle = *impression.controle;
};

TEST_F(Phrase, ParDefautTrieeParResponsablePuisParNom) {
    EXPECT_EQ(Envoyee(), Debut() + " PAR Responsable PAR NomPrenomAide");
}

TEST_F(Phrase, LActiviteSeCompareAuCodeDeLEntiteSuiviDeCeluiDeLActivite) {
    Placer(controle.Txt_Activites, "007");
    EXPECT_EQ(Envoyee(),
              Debut() + R"( AND AVEC ActivitesOrg = "041007" PAR Responsable PAR NomPrenomAide)");
}

TEST_F(Phrase, UnCodeDeResponsableLimiteLaListeQuiNEstPlusTrieeQueParNom) {
    Placer(controle.Txt_Responsable, "R01");
    EXPECT_EQ(Envoyee(), Debut() + R"( AND AVEC CodeResponsable = "R01" PAR NomPrenomAide)");
}

TEST_F(Phrase, SecteurSansCodeTrieParSecteur) {
    Choisir(controle.Opt_Secteur);
    EXPECT_EQ(Envoyee(), Debut() + " PAR Secteur PAR NomPrenomAide");
}

TEST_F(Phrase, SecteurAvecCode) {
    Choisir(controle.Opt_Secteur);
    Placer(controle.Txt_Responsable, "S01");
    EXPECT_EQ(Envoyee(), Debut() + R"( AND AVEC CodeSecteur = "S01" PAR NomPrenomAide)");
}

// The manager's box is not read with the commune option.
TEST_F(Phrase, CommuneSansCodeTrieParCommune) {
    Choisir(controle.Opt_Commune);
    Placer(controle.Txt_Responsable, "R01");
    EXPECT_EQ(Envoyee(), Debut() + " PAR CommuneAide PAR NomPrenomAide");
}

TEST_F(Phrase, CommuneAvecCode) {
    Choisir(controle.Opt_Commune);
    Placer(controle.Txt_Commune, "2A004");
    EXPECT_EQ(Envoyee(), Debut() + R"( AND AVEC CommuneAide = "2A004" PAR NomPrenomAide)");
}

TEST_F(Phrase, UnOrganismeSansLibelleNeLimitePasLaListe) {
    Organisme("001", "");
    EXPECT_EQ(Envoyee(), Debut() + " PAR Responsable PAR NomPrenomAide");
}

TEST_F(Phrase, LOrganismeSuitLeTriDeGroupe) {
    Organisme("001", "CONSEIL DEPARTEMENTAL");
    EXPECT_EQ(Envoyee(), Debut() + R"( PAR Responsable AND AVEC 1 = "001" PAR NomPrenomAide)");
}

TEST_F(Phrase, TousLesCriteresEnsemble) {
    Placer(controle.Txt_Activites, "007");
    Choisir(controle.Opt_Secteur);
    Placer(controle.Txt_Responsable, "S02");
    Organisme("003", "MUTUELLE");
    EXPECT_EQ(Envoyee(), Debut() + R"( AND AVEC ActivitesOrg = "041007")"
                                   R"( AND AVEC CodeSecteur = "S02" AND AVEC 1 = "003")"
                                   " PAR NomPrenomAide");
}

TEST_F(Phrase, LesBornesDeDecembreEtDeJanvier) {
    for (int pas = 0; pas < 7; ++pas) {
        controle.Bdh_Periode->stepBy(1);
    }
    ASSERT_EQ(controle.Txt_Periode->text(), "DÉCEMBRE 2018");
    EXPECT_NE(Envoyee().find(R"(AND AVEC 6 >= ")" + essai::TexteJour(2018, 12, 1) +
                             R"(" AND AVEC 6 <= ")" + std::to_string(essai::Jour(2019, 1, 1) - 1) +
                             R"(")"),
              std::string::npos);
    // The empty selection emptied the criteria; the period stays.
    Placer(controle.Txt_Association, "041");
    controle.Bdh_Periode->stepBy(1);
    EXPECT_NE(Envoyee().find(R"(AND AVEC 6 >= ")" + essai::TexteJour(2019, 1, 1) +
                             R"(" AND AVEC 6 <= ")" + essai::TexteJour(2019, 1, 31) + R"(")"),
              std::string::npos);
}

TEST_F(Phrase, SansEntiteRienNEstSelectionneEtLaFormeResteOuverte) {
    Placer(controle.Txt_Association, "");
    impression.Imprimer();
    EXPECT_TRUE(impression.base->Phrases("ACCORD").empty());
    EXPECT_EQ(impression.plateforme->Appels(),
              QStringList{"message Exclamation | Message KORVANE | L'entité juridique est "
                          "obligatoire."});
    EXPECT_FALSE(controle.W_Sortir());
}

TEST_F(Phrase, UnGuillemetDansUnCritereEstRefuseAvantTouteSelection) {
    Placer(controle.Txt_Responsable, "R\"1");
    impression.Imprimer();
    EXPECT_TRUE(impression.base->Phrases("ACCORD").empty());
    EXPECT_EQ(impression.plateforme->Appels(),
              QStringList{"message Exclamation | Message KORVANE | Le critère « Responsable » "
                          "contient un guillemet : impression impossible."});
    EXPECT_FALSE(controle.W_Sortir());
    EXPECT_TRUE(controle.isEnabled());

    // The hidden commune box is not part of the manager's list, nor is it checked.
    Placer(controle.Txt_Responsable, "");
    Placer(controle.Txt_Commune, "7\"056");
    impression.Imprimer();
    EXPECT_EQ(impression.base->Phrases("ACCORD").size(), 1U);
}

}  // namespace
