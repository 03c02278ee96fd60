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

void Contexte::evaluer(const std::function<void()>& evaluation,
                       const std::function<void()>& apresLectures) {
    bool libre = false;
    const auto liberer = [&] {
        if (!libre) {
            libre = true;
            apresLectures();
        }
    };
    if (depot_.lecturesDistantes()) {
        for (int tour = 0; tour < ToursDePrelecture; ++tour) {
            if (recenser(evaluation)) {
                liberer();
                return;
            }
            lireAttendus();
            liberer();
        }
    }
    // A local store, or translations nested deeper than the grouped reads go: what is not
    // read yet is read one by one.
    evaluation();
    liberer();
}

bool Contexte::recenser(const std::function<void()>& evaluation) {
    recensement_ = true;
    try {
        evaluation();
    } catch (...) {
        recensement_ = false;
        attendus_.clear();
        throw;
    }
    recensement_ = false;
    return attendus_.empty();
}

void Contexte::lireAttendus() {
    // The keys come in file order: each file's keys together, one group each.
    std::vector<GroupeCles> groupes;
    for (const auto& [fichier, cle] : attendus_) {
        if (groupes.empty() || groupes.back().fichier != fichier) {
            groupes.push_back({fichier, {}});
        }
        groupes.back().cles.push_back(cle);
    }
    attendus_.clear();
    const auto donnees = depot_.lireGroupes(groupes);
    for (std::size_t groupe = 0; groupe < groupes.size(); ++groupe) {
        const std::vector<std::string>& cles = groupes[groupe].cles;
        for (std::size_t i = 0; i < cles.size(); ++i) {
            lus_.emplace(std::pair{groupes[groupe].fichier, cles[i]},
                         donnees[groupe][i].value_or(""));
        }
    }
}

}  // namespace mvdb
