#include "Echeancier.h"

#include <numeric>
#include <stdexcept>

namespace rapport {

Echeancier::Echeancier(std::function<std::string(const std::string&)> nomGroupe)
    : nomGroupe_(std::move(nomGroupe)) {}

void Echeancier::Debut_Mois(std::string periode, std::string abrege) {
    mois_.push_back(MoisEcheancier{std::move(periode), std::move(abrege), 0});
    courant_ = nullptr;
}

// A group comes back in every month it has lines in; its name is read once.
void Echeancier::Debut_Groupe(const std::string& groupe) {
    auto [place, nouveau] = groupes_.try_emplace(groupe);
    if (nouveau) {
        place->second.code = groupe;
        place->second.nom = nomGroupe_(groupe);
    }
    courant_ = &place->second;
}

void Echeancier::Ligne(const LigneListe& /*ligne*/) {
    if (mois_.empty() || courant_ == nullptr) {
        throw std::logic_error("Échéancier : ligne hors d'un mois ou d'un groupe");
    }
    const std::size_t rang = mois_.size() - 1;
    if (courant_->parMois.size() <= rang) {
        courant_->parMois.resize(rang + 1, 0);
    }
    ++courant_->parMois[rang];
    ++courant_->total;
    ++mois_.back().lignes;
}

void Echeancier::Decision(const DecisionAccord& /*decision*/) {}

void Echeancier::Fin_Liste() {}

std::vector<GroupeEcheancier> Echeancier::Groupes() const {
    std::vector<GroupeEcheancier> groupes;
    for (const auto& [code, groupe] : groupes_) {
        groupes.push_back(groupe);
        groupes.back().parMois.resize(mois_.size(), 0);
    }
    return groupes;
}

std::int64_t Echeancier::Total() const {
    return std::accumulate(
        mois_.begin(), mois_.end(), std::int64_t{0},
        [](std::int64_t total, const MoisEcheancier& mois) { return total + mois.lignes; });
}

Echeancier Echeancier::Du_Groupe(const std::string& code) const {
    Echeancier seul(nomGroupe_);
    seul.mois_ = mois_;
    for (MoisEcheancier& mois : seul.mois_) {
        mois.lignes = 0;
    }
    if (const auto groupe = groupes_.find(code); groupe != groupes_.end()) {
        GroupeEcheancier lignes = groupe->second;
        lignes.parMois.resize(mois_.size(), 0);
        for (std::size_t rang = 0; rang < mois_.size(); ++rang) {
            seul.mois_[rang].lignes = lignes.parMois[rang];
        }
        seul.groupes_.emplace(code, std::move(lignes));
    }
    return seul;
}

}  // namespace rapport
