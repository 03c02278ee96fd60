#include "Contexte.h"

#include <vector>

#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

// Past this depth of translations nested in one another, reads go one by one.
constexpr int ToursDePrelecture = 8;

}  // namespace

std::string_view valeurAttribut(const EnregCourant& enreg, int attribut) {
    if (attribut == 0) {
        return enreg.cle;
    }
    return dba::partie(enreg.donnees, dba::MarqueAttribut, attribut);
}

std::string Contexte::traduire(IdFichier fichier, const std::string& cle, int attribut) {
    auto trouve = lus_.find({fichier, cle});
    if (trouve == lus_.end()) {
        if (recensement_) {
            attendus_.emplace(fichier, cle);
            return {};
        }
        // A missing record reads like an empty one: every attribute empty.
        trouve =
            lus_.emplace(std::pair{fichier, cle}, depot_.lire(fichier, cle).value_or("")).first;
    }
    return std::string(valeurAttribut({trouve->first.second, trouve->second}, attribut));
}

void Contexte::prelire(const std::function<void()>& evaluer) {
    if (!depot_.stockage().lecturesDistantes()) {
        return;
    }
    for (int tour = 0; tour < ToursDePrelecture; ++tour) {
        recensement_ = true;
        try {
            evaluer();
        } catch (...) {
            recensement_ = false;
            throw;
        }
        recensement_ = false;
        if (attendus_.empty()) {
            return;
        }
        lireAttendus();
    }
}

void Contexte::lireAttendus() {
    std::map<IdFichier, std::vector<std::string>> parFichier;
    for (const auto& [fichier, cle] : attendus_) {
        parFichier[fichier].push_back(cle);
    }
    attendus_.clear();
    for (const auto& [fichier, cles] : parFichier) {
        const auto donnees = depot_.stockage().lireGroupe(fichier, cles);
        for (std::size_t i = 0; i < cles.size(); ++i) {
            lus_.emplace(std::pair{fichier, cles[i]}, donnees[i].value_or(""));
        }
    }
}

}  // namespace mvdb
