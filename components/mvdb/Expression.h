#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Contexte.h"

namespace mvdb {

class Attribut;

// Evaluation recurses once per level of an expression, through the items it names: deeper
// definitions are refused so that no dictionary can exhaust the stack.
inline constexpr int ProfondeurMaximale = 64;

// A compiled I-item expression.
class Expression {
  public:
    virtual ~Expression() = default;
    virtual std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const = 0;
    // Levels of evaluation, the items named included.
    int profondeur() const { return profondeur_; }

  protected:
    explicit Expression(int profondeur) : profondeur_(profondeur) {}

  private:
    int profondeur_;
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
    // How many items are being compiled, one naming the next, around this definition.
    virtual int itemsEnCours() const = 0;
};

// Compiles the definition of item `item`; raises ErrSyntaxe with the position of the fault.
ExpressionCompilee compilerExpression(const std::string& item, std::string_view definition,
                                      Resolveur& resolveur);

}  // namespace mvdb
