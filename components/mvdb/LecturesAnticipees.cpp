#include "LecturesAnticipees.h"

namespace mvdb {

void LecturesAnticipees::fermerVue() {
    if (--vues_ == 0) {
        fichiers_.clear();
    }
}

LecturesAnticipees::Lus& LecturesAnticipees::place(const Depot& depot, IdFichier fichier,
                                                   std::size_t nouveaux) {
    const std::size_t parGeneration = depot.lecturesDistantes() ? 50000 : 2000;
    Generations& generations = fichiers_[fichier];
    if (generations.recente.size() + nouveaux > parGeneration) {
        generations.precedente = std::move(generations.recente);
        generations.recente.clear();
    }
    return generations.recente;
}

void LecturesAnticipees::prelire(const Depot& depot, IdFichier fichier,
                                 const std::vector<std::string>& cles) {
    if (!actives()) {
        return;
    }
    Lus& lus = place(depot, fichier, cles.size());
    auto donnees = depot.lireGroupe(fichier, cles);
    for (std::size_t rang = 0; rang < cles.size(); ++rang) {
        lus.insert_or_assign(cles[rang], std::move(donnees[rang]));
    }
}

const std::optional<std::string>& LecturesAnticipees::lire(const Depot& depot, IdFichier fichier,
                                                           std::string_view cle) {
    if (!actives()) {
        horsVue_ = depot.lire(fichier, cle);
        return horsVue_;
    }
    std::string texteCle(cle);
    const Generations& generations = fichiers_[fichier];
    for (const Lus* lus : {&generations.recente, &generations.precedente}) {
        if (const auto trouve = lus->find(texteCle); trouve != lus->end()) {
            return trouve->second;
        }
    }
    auto donnees = depot.lire(fichier, cle);
    return place(depot, fichier, 1).emplace(std::move(texteCle), std::move(donnees)).first->second;
}

}  // namespace mvdb
