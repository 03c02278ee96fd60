#include "LecturesAnticipees.h"

namespace mvdb {

void LecturesAnticipees::fermerVue() {
    if (--vues_ == 0) {
        fichiers_.clear();
        annoncees_.clear();
    }
}

LecturesAnticipees::Lus& LecturesAnticipees::place(const Depot& depot, IdFichier fichier,
                                                   std::size_t nouveaux) {
    const std::size_t parGeneration = depot.lecturesDistantes() ? 50000 : 20000;
    Generations& generations = fichiers_[fichier];
    if (generations.recente.size() + nouveaux > parGeneration) {
        generations.precedente = std::move(generations.recente);
        generations.recente.clear();
    }
    return generations.recente;
}

void LecturesAnticipees::prelire(IdFichier fichier, const std::vector<std::string>& cles) {
    if (!actives()) {
        return;
    }
    // What is at hand already is not asked for again: a reader may announce what a batch
    // fetched for it beforehand.
    const Generations& generations = fichiers_[fichier];
    std::vector<std::string> aLire;
    for (const std::string& cle : cles) {
        if (!generations.recente.contains(cle) && !generations.precedente.contains(cle)) {
            aLire.push_back(cle);
        }
    }
    if (!aLire.empty()) {
        annoncees_.push_back({fichier, std::move(aLire)});
    }
}

void LecturesAnticipees::recevoirAnnonces(const Depot& depot) {
    // Taken out first: a failed read must not leave the announcements to be asked again.
    const std::vector<GroupeCles> annoncees = std::move(annoncees_);
    annoncees_.clear();
    auto donnees = depot.lireGroupes(annoncees);
    for (std::size_t groupe = 0; groupe < annoncees.size(); ++groupe) {
        const std::vector<std::string>& cles = annoncees[groupe].cles;
        Lus& lus = place(depot, annoncees[groupe].fichier, cles.size());
        for (std::size_t rang = 0; rang < cles.size(); ++rang) {
            lus.insert_or_assign(cles[rang], std::move(donnees[groupe][rang]));
        }
    }
}

const std::optional<std::string>& LecturesAnticipees::lire(const Depot& depot, IdFichier fichier,
                                                           std::string_view cle) {
    if (!actives()) {
        horsVue_ = depot.lire(fichier, cle);
        return horsVue_;
    }
    if (!annoncees_.empty()) {
        recevoirAnnonces(depot);
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
