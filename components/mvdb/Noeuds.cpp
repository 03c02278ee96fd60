#include "Noeuds.h"

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

std::string ExprItem::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return item_->valeur(enreg, contexte);
}

std::string ExprSousChaine::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return sousChaine(texte_->evaluer(enreg, contexte), debut_, longueur_);
}

std::string ExprConcatenation::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return gauche_->evaluer(enreg, contexte) + droite_->evaluer(enreg, contexte);
}

std::string ExprTraduction::evaluer(const EnregCourant& enreg, Contexte& contexte) const {
    return contexte.traduire(fichier_, cle_->evaluer(enreg, contexte), attribut_);
}

}  // namespace mvdb
