#include "Attribut.h"

namespace mvdb {

Attribut::Attribut(std::string nom, int numero, bool alignerADroite)
    : nom_(std::move(nom)), numero_(numero), alignerADroite_(alignerADroite) {}

Attribut::Attribut(std::string nom, ExpressionCompilee expression, bool alignerADroite)
    : nom_(std::move(nom)), expression_(std::move(expression)), alignerADroite_(alignerADroite) {}

std::string Attribut::valeur(const EnregCourant& enreg, Contexte& contexte) const {
    if (numero_) {
        return std::string(valeurAttribut(enreg, *numero_));
    }
    return expression_->evaluer(enreg, contexte);
}

}  // namespace mvdb
