#include <gtest/gtest.h>

#include <QSignalBlocker>

#include "DonneesRapport.h"
#include "Face.h"
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
    static void Placer(QLineEdit* zone, const std::string& texte) {
        const QSignalBlocker bloque(zone);
        zone->setText(QString::fromStdString(texte));
    }
    // The sentence of one press of "Imprimer".
    std::string Envoyee() {
        impression.Imprimer();
        EXPECT_TRUE(impression.erreurs.empty()) << impression.erreurs.front();
        const auto phrases = impression.base->Phrases("ACCORD");
        return phrases.empty() ? std::string() : phrases.back();
    }
    std::string Message() const { return impression.plateforme->Appels().join('\n').toStdString(); }

    ImpressionEssai impression{essai::Socle()};
    Ctr_Ardoine& controle = *impression.controle;
};

// The criteria placed in their boxes and what they add to the sentence.
struct Criteres {
    QRadioButton* essai::Face::*option;
    std::string activites, responsable, commune, codeOrganisme, libelleOrganisme;
    std::string suite;
};

TEST_F(Phrase, ChaqueCombinaisonDeCriteres) {
    const auto responsable = &essai::Face::Opt_Responsable;
    const auto secteur = &essai::Face::Opt_Secteur;
    const auto commune = &essai::Face::Opt_Commune;
    const std::vector<Criteres> cas{
        {responsable, "", "", "", "", "", " PAR Responsable PAR NomPrenomAide"},
        {responsable, "007", "", "", "", "",
         R"( AND AVEC ActivitesOrg = "041007" PAR Responsable PAR NomPrenomAide)"},
        {responsable, "", "R01", "", "", "",
         R"( AND AVEC CodeResponsable = "R01" PAR NomPrenomAide)"},
        {secteur, "", "", "", "", "", " PAR Secteur PAR NomPrenomAide"},
        {secteur, "", "S01", "", "", "", R"( AND AVEC CodeSecteur = "S01" PAR NomPrenomAide)"},
        // The manager's box is not read with the commune option.
        {commune, "", "R01", "", "", "", " PAR CommuneAide PAR NomPrenomAide"},
        {commune, "", "", "2A004", "", "", R"( AND AVEC CommuneAide = "2A004" PAR NomPrenomAide)"},
        // A funding body without its name does not limit the list.
        {responsable, "", "", "", "001", "", " PAR Responsable PAR NomPrenomAide"},
        {responsable, "", "", "", "001", "CONSEIL DEPARTEMENTAL",
         R"( PAR Responsable AND AVEC 1 = "001" PAR NomPrenomAide)"},
        {secteur, "007", "S02", "", "003", "MUTUELLE",
         R"( AND AVEC ActivitesOrg = "041007" AND AVEC CodeSecteur = "S02")"
         R"( AND AVEC 1 = "003" PAR NomPrenomAide)"},
    };
    for (const Criteres& criteres : cas) {
        SCOPED_TRACE(criteres.suite);
        // The empty selection before emptied the legal entity.
        Placer(essai::Face(controle).Txt_Association, "041");
        {
            const QSignalBlocker bloque(essai::Face(controle).*criteres.option);
            (essai::Face(controle).*criteres.option)->setChecked(true);
        }
        Placer(essai::Face(controle).Txt_Activites, criteres.activites);
        Placer(essai::Face(controle).Txt_Responsable, criteres.responsable);
        Placer(essai::Face(controle).Txt_Commune, criteres.commune);
        Placer(essai::Face(controle).Txt_CodeOrg, criteres.codeOrganisme);
        const QSignalBlocker bloque(essai::Face(controle).Cbo_SigleOrg);
        essai::Face(controle).Cbo_SigleOrg->setEditText(
            QString::fromStdString(criteres.libelleOrganisme));
        EXPECT_EQ(Envoyee(), Debut() + criteres.suite);
    }
}

TEST_F(Phrase, LesBornesDeDecembreEtDeJanvier) {
    for (int pas = 0; pas < 7; ++pas) {
        essai::Face(controle).Bdh_Periode->stepBy(1);
    }
    ASSERT_EQ(essai::Face(controle).Txt_Periode->text(), "DÉCEMBRE 2018");
    EXPECT_NE(Envoyee().find(R"(AND AVEC 6 >= ")" + essai::TexteJour(2018, 12, 1) +
                             R"(" AND AVEC 6 <= ")" + std::to_string(essai::Jour(2019, 1, 1) - 1) +
                             R"(")"),
              std::string::npos);
    // The empty selection emptied the criteria; the period stays.
    Placer(essai::Face(controle).Txt_Association, "041");
    essai::Face(controle).Bdh_Periode->stepBy(1);
    EXPECT_NE(Envoyee().find(R"(AND AVEC 6 >= ")" + essai::TexteJour(2019, 1, 1) +
                             R"(" AND AVEC 6 <= ")" + essai::TexteJour(2019, 1, 31) + R"(")"),
              std::string::npos);
}

TEST_F(Phrase, SansEntiteRienNEstSelectionneEtLaFormeResteOuverte) {
    Placer(essai::Face(controle).Txt_Association, "");
    impression.Imprimer();
    EXPECT_TRUE(impression.base->Phrases("ACCORD").empty());
    EXPECT_EQ(Message(),
              "message Exclamation | Message KORVANE | L'entité juridique est obligatoire.");
    EXPECT_FALSE(controle.W_Sortir());
}

TEST_F(Phrase, UnGuillemetDansUnCritereEstRefuseAvantTouteSelection) {
    Placer(essai::Face(controle).Txt_Responsable, "R\"1");
    impression.Imprimer();
    EXPECT_TRUE(impression.base->Phrases("ACCORD").empty());
    EXPECT_EQ(Message(),
              "message Exclamation | Message KORVANE | Le critère « Responsable » "
              "contient un guillemet : impression impossible.");
    EXPECT_FALSE(controle.W_Sortir());
    EXPECT_TRUE(controle.isEnabled());

    // The hidden commune box is not part of the manager's list, nor is it checked.
    Placer(essai::Face(controle).Txt_Responsable, "");
    Placer(essai::Face(controle).Txt_Commune, "7\"056");
    impression.Imprimer();
    EXPECT_EQ(impression.base->Phrases("ACCORD").size(), 1U);
}

}  // namespace
