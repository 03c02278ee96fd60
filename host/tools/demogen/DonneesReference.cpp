#include "DonneesReference.h"

#include <fstream>

#include "MajusculesSansAccents.h"
#include "dba/Erreur.h"

namespace demogen {

namespace {

std::vector<std::string> lignes(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin);
    std::vector<std::string> resultat;
    for (std::string ligne; std::getline(fichier, ligne);) {
        if (!ligne.empty()) {
            resultat.push_back(ligne);
        }
    }
    if (resultat.empty()) {
        throw dba::Erreur(dba::ErrArgument,
                          "fichier de données absent ou vide : " + chemin.string());
    }
    return resultat;
}

Commune commune(const std::filesystem::path& chemin, const std::string& ligne) {
    const auto tabulation = ligne.find('\t');
    if (tabulation != 5) {
        throw dba::Erreur(dba::ErrArgument,
                          "ligne de commune mal formée dans " + chemin.string() + " : " + ligne);
    }
    return {ligne.substr(0, 5), majusculesSansAccents(ligne.substr(tabulation + 1))};
}

}  // namespace

DonneesReference DonneesReference::charger(const std::filesystem::path& dossier) {
    DonneesReference donnees;
    const auto cheminCommunes = dossier / "communes.tsv";
    for (const auto& ligne : lignes(cheminCommunes)) {
        donnees.communes.push_back(commune(cheminCommunes, ligne));
    }
    for (const auto& nom : lignes(dossier / "noms.txt")) {
        donnees.noms.push_back(majusculesSansAccents(nom));
    }
    donnees.prenoms = lignes(dossier / "prenoms.txt");
    return donnees;
}

}  // namespace demogen
