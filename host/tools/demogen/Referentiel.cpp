#include "Referentiel.h"

#include <algorithm>

#include "Organismes.h"
#include "Responsables.h"

namespace demogen {

namespace {

struct ModeleEntite {
    std::string code;
    std::string nom;
    std::string departement;
    std::string article;  // how the département is named after "DE"
    int communes;         // where its aided persons live
    std::vector<Activite> activites;
};

std::vector<ModeleEntite> modelesEntites() {
    const Activite aideMenagere{"001", "AIDE MENAGERE"};
    const Activite auxiliaire{"002", "AUXILIAIRE DE VIE"};
    const Activite repas{"003", "PORTAGE DE REPAS"};
    const Activite soins{"004", "SOINS INFIRMIERS A DOMICILE"};
    const Activite nuit{"005", "GARDE DE NUIT"};
    const Activite teleassistance{"006", "TELEASSISTANCE"};
    const Activite transport{"007", "ACCOMPAGNEMENT ET TRANSPORT"};
    return {
        {"041",
         "ASSOCIATION D'AIDE A DOMICILE DU VAL D'ORGE",
         "91",
         "DE L'ESSONNE",
         25,
         {aideMenagere, auxiliaire, repas, nuit}},
        {"052",
         "SERVICE D'AIDE ET DE SOINS DE LA BRIE",
         "77",
         "DE SEINE-ET-MARNE",
         20,
         {aideMenagere, auxiliaire, soins}},
        {"067",
         "ENTRAIDE ET SERVICES DU VAL-DE-MARNE",
         "94",
         "DU VAL-DE-MARNE",
         15,
         {auxiliaire, repas, teleassistance, transport}},
    };
}

std::vector<Commune> communesTirees(const std::vector<Commune>& toutes,
                                    const std::string& departement, int nombre, Hasard& hasard) {
    std::vector<Commune> candidates;
    std::copy_if(toutes.begin(), toutes.end(), std::back_inserter(candidates),
                 [&](const Commune& c) { return c.code.starts_with(departement); });
    std::vector<Commune> tirees;
    while (static_cast<int>(tirees.size()) < nombre && !candidates.empty()) {
        const auto i =
            static_cast<std::size_t>(hasard.entre(0, static_cast<int>(candidates.size()) - 1));
        tirees.push_back(candidates[i]);
        candidates.erase(candidates.begin() + static_cast<std::ptrdiff_t>(i));
    }
    std::sort(tirees.begin(), tirees.end(),
              [](const Commune& a, const Commune& b) { return a.code < b.code; });
    return tirees;
}

std::vector<Secteur> secteursDeLaDemo() {
    return {{"S01", "SECTEUR NORD"},
            {"S02", "SECTEUR SUD"},
            {"S03", "SECTEUR EST"},
            {"S04", "SECTEUR OUEST"},
            {"S05", "SECTEUR CENTRE"},
            {"S06", "SECTEUR VALLEE DE L'ORGE"},
            {"S07", "SECTEUR PLATEAU DE BRIE"},
            {"S08", "SECTEUR BORDS DE MARNE"}};
}

}  // namespace

Referentiel Referentiel::construire(const DonneesReference& donnees, Hasard& hasard) {
    Referentiel ref;
    for (const auto& modele : modelesEntites()) {
        Entite entite{modele.code,
                      modele.nom,
                      modele.departement,
                      modele.activites,
                      communesTirees(donnees.communes, modele.departement, modele.communes, hasard),
                      {}};
        const bool premiere = ref.entites.empty();
        for (auto& organisme : organismesDeLEntite(
                 entite, modele.article, static_cast<int>(ref.organismes.size()) + 1, premiere)) {
            entite.organismes.push_back(ref.organismes.size());
            ref.organismes.push_back(std::move(organisme));
        }
        ref.entites.push_back(std::move(entite));
    }
    ref.responsables = responsablesDesEntites(ref.entites, donnees, hasard);
    ref.secteurs = secteursDeLaDemo();
    return ref;
}

}  // namespace demogen
