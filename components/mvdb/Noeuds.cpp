#include "Noeuds.h"

#include <algorithm>

#include "Attribut.h"
#include "Utf8.h"

namespace mvdb {

std::string ExprCle::evaluer(const EnregCourant& enreg, Contexte&) const {
    return std::string(enreg.cle);
}

std::string ExprAttribut::evaluer(const EnregCourant& enreg, Contexte&) const {
    return std::string(valeurAttribut(enreg, numero_));
}

std::string ExprLitteral::evaluer(const EnregCourant&, Contexte&) const {
    return texte_;
}

ExprItem::ExprItem(std::shared_ptr<const Attribut> item)
    : Expression(item->profondeur() + 1), item_(std::move(item)) {}

std::string ExprItem::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return item_->valeur(enreg, contexte);
}

std::string ExprSousChaine::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return sousChaine(texte_->evaluer(enreg, contexte), debut_, longueur_);
}

namespace {

int plusProfond(const std::vector<ExpressionCompilee>& termes) {
    int profondeur = 0;
    for (const auto& terme : termes) {
        profondeur = std::max(profondeur, terme->profondeur());
    }
    return profondeur;
}

}  // namespace

ExprConcatenation::ExprConcatenation(std::vector<ExpressionCompilee> termes)
    : Expression(plusProfond(termes) + 1), termes_(std::move(termes)) {}

std::string ExprConcatenation::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    std::string texte;
    for (const auto& terme : termes_) {
        texte += terme->evaluer(enreg, contexte);
    }
    return texte;
}

std::string ExprTraduction::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return contexte.traduire(fichier_, cle_->evaluer(enreg, contexte), attribut_);
}

}  // namespace mvdb
