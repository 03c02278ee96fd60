#include "LecturesAnticipees.h"

namespace mvdb {

void LecturesAnticipees::fermerVue() {
    if (--vues_ == 0) {
        fichiers_.clear();
    }
}

bool LecturesAnticipees::actives(const Depot& depot) const {
    return vues_ > 0 && depot.lecturesDistantes();
}

LecturesAnticipees::Lus& LecturesAnticipees::place(IdFichier fichier, std::size_t nouveaux) {
    constexpr std::size_t EnregistrementsParGeneration = 50000;
    Generations& generations = fichiers_[fichier];
    if (generations.recente.size() + nouveaux > EnregistrementsParGeneration) {
        generations.precedente = std::move(generations.recente);
        generations.recente.clear();
    }
    return generations.recente;
}

void LecturesAnticipees::prelire(const Depot& depot, IdFichier fichier,
                                 const std::vector<std::string>& cles) {
    if (!actives(depot)) {
        return;
    }
    Lus& lus = place(fichier, cles.size());
    const auto donnees = depot.lireGroupe(fichier, cles);
    for (std::size_t rang = 0; rang < cles.size(); ++rang) {
        lus.insert_or_assign(cles[rang], donnees[rang]);
    }
}

std::optional<std::string> LecturesAnticipees::lire(const Depot& depot, IdFichier fichier,
                                                    std::string_view cle) {
    if (!actives(depot)) {
        return depot.lire(fichier, cle);
    }
    const std::string texteCle(cle);
    const Generations& generations = fichiers_[fichier];
    for (const Lus* lus : {&generations.recente, &generations.precedente}) {
        if (const auto trouve = lus->find(texteCle); trouve != lus->end()) {
            return trouve->second;
        }
    }
    auto donnees = depot.lire(fichier, cle);
    place(fichier, 1).emplace(texteCle, donnees);
    return donnees;
}

}  // namespace mvdb
