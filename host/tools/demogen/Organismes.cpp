#include "Organismes.h"

#include "Codes.h"
#include "JourInterne.h"

namespace demogen {

namespace {

enum class Couverture { Toutes, Paires, Impaires };

struct Modele {
    std::string sigle;
    std::string nom;
    std::string type;
    std::string statut;
    Couverture couverture;
    int fermeture;
    int delai;
};

std::vector<Modele> modeles(const Entite& entite, const std::string& article) {
    const std::string& dep = entite.departement;
    const std::string conseil = "CONSEIL DEPARTEMENTAL " + article;
    const std::string ccas = "CENTRE COMMUNAL D'ACTION SOCIALE DE " + entite.communes.front().nom;
    return {
        {"CD" + dep + " APA", conseil + " - ALLOCATION PERSONNALISEE D'AUTONOMIE", "P", "1",
         Couverture::Toutes, 0, 2},
        {"CD" + dep + " PCH", conseil + " - PRESTATION DE COMPENSATION DU HANDICAP", "P", "1",
         Couverture::Toutes, 0, 6},
        {"CPAM " + dep, "CAISSE PRIMAIRE D'ASSURANCE MALADIE " + article, "P", "1",
         Couverture::Impaires, 0, 0},
        {"CARSAT IDF", "CAISSE D'ASSURANCE RETRAITE ET DE LA SANTE AU TRAVAIL D'ILE-DE-FRANCE", "P",
         "1", Couverture::Toutes, 0, 1},
        {"MSA IDF", "MUTUALITE SOCIALE AGRICOLE D'ILE-DE-FRANCE", "P", "1", Couverture::Paires, 0,
         1},
        {"CNAV", "CAISSE NATIONALE D'ASSURANCE VIEILLESSE", "P", "1", Couverture::Impaires, 0, 1},
        {"CNRACL", "CAISSE NATIONALE DE RETRAITE DES AGENTS DES COLLECTIVITES LOCALES", "P", "1",
         Couverture::Impaires, 0, 1},
        // Its short name is its full name: longer than the report's column.
        {ccas, ccas, "P", "1", Couverture::Toutes, 0, 0},
        {"AGIRC-ARRCO", "AGIRC-ARRCO - ACTION SOCIALE DE LA RETRAITE COMPLEMENTAIRE", "P", "1",
         Couverture::Paires, 0, 1},
        {"PARTICULIER", "REGLEMENT DIRECT PAR LA PERSONNE AIDEE", "F", "1", Couverture::Toutes, 0,
         0},
        {"MUTUELLE " + dep, "MUTUELLE GENERALE DES RETRAITES " + article, "M", "1",
         Couverture::Toutes, 0, 0},
        {"CRAMIF", "CAISSE REGIONALE D'ASSURANCE MALADIE D'ILE-DE-FRANCE", "P", "0",
         Couverture::Toutes, jourInterne(2019, 12, 31), 0},
        {"CD" + dep + " AIDE SOCIALE", conseil + " - AIDE MENAGERE AU TITRE DE L'AIDE SOCIALE", "P",
         "0", Couverture::Toutes, jourInterne(2021, 6, 30), 0},
    };
}

// A body closed on file whose status still lets it fund: an inconsistency real files hold.
Modele regimeFerme() {
    return {"RSI IDF",
            "REGIME SOCIAL DES INDEPENDANTS D'ILE-DE-FRANCE",
            "P",
            "1",
            Couverture::Impaires,
            jourInterne(2018, 1, 1),
            0};
}

std::vector<std::string> activitesCouvertes(const Entite& entite, Couverture couverture) {
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < entite.activites.size(); ++i) {
        const bool paire = i % 2 == 0;
        if (couverture == Couverture::Toutes || paire == (couverture == Couverture::Paires)) {
            codes.push_back(entite.code + entite.activites[i].code);
        }
    }
    return codes;
}

}  // namespace

std::vector<Organisme> organismesDeLEntite(const Entite& entite, const std::string& article,
                                           int premierNumero, bool avecRegimeFerme) {
    auto liste = modeles(entite, article);
    if (avecRegimeFerme) {
        liste.push_back(regimeFerme());
    }
    std::vector<Organisme> organismes;
    int numero = premierNumero;
    for (const auto& m : liste) {
        organismes.push_back({codeNumerique(numero++, 3), m.sigle, m.nom, m.type, m.statut,
                              entite.code, activitesCouvertes(entite, m.couverture), m.fermeture,
                              m.delai});
    }
    return organismes;
}

}  // namespace demogen
