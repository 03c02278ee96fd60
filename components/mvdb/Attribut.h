#pragma once

#include <optional>
#include <string>

#include "Expression.h"

namespace mvdb {

// What a sentence or a column names: a bare attribute number, a D item (an attribute) or an
// I item (an expression), with its justification.
class Attribut {
  public:
    Attribut(std::string nom, int numero, bool alignerADroite);
    Attribut(std::string nom, ExpressionCompilee expression, bool alignerADroite);

    std::string valeur(const EnregCourant& enreg, Contexte& contexte) const;
    // The attribute number, for D items and bare numbers: what an index can serve.
    std::optional<int> numero() const { return numero_; }
    bool alignerADroite() const { return alignerADroite_; }
    const std::string& nom() const { return nom_; }
    // Levels of evaluation of an I item; 0 for an attribute.
    int profondeur() const { return expression_ ? expression_->profondeur() : 0; }

  private:
    std::string nom_;
    std::optional<int> numero_;
    ExpressionCompilee expression_;
    bool alignerADroite_;
};

}  // namespace mvdb
