#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Contexte.h"

namespace mvdb {

class Attribut;

// A compiled I-item expression.
class Expression {
  public:
    virtual ~Expression() = default;
    virtual std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const = 0;
};

using ExpressionCompilee = std::unique_ptr<const Expression>;

// What an expression names outside itself.
class Resolveur {
  public:
    virtual ~Resolveur() = default;
    // Another item of the same dictionary; raises ErrItemInconnu.
    virtual std::shared_ptr<const Attribut> item(const std::string& nom) = 0;
    // A file named by TRANS; raises ErrFichierInconnu.
    virtual IdFichier fichier(const std::string& nom) = 0;
};

// Compiles the definition of item `item`; raises ErrSyntaxe with the position of the fault.
ExpressionCompilee compilerExpression(const std::string& item, std::string_view definition,
                                      Resolveur& resolveur);

}  // namespace mvdb
