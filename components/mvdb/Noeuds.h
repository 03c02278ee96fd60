#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Expression.h"

namespace mvdb {

// The building blocks of compiled expressions.

class ExprCle : public Expression {
  public:
    ExprCle() : Expression(1) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;
};

class ExprAttribut : public Expression {
  public:
    explicit ExprAttribut(int numero) : Expression(1), numero_(numero) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    int numero_;
};

class ExprLitteral : public Expression {
  public:
    explicit ExprLitteral(std::string texte) : Expression(1), texte_(std::move(texte)) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    std::string texte_;
};

class ExprItem : public Expression {
  public:
    explicit ExprItem(std::shared_ptr<const Attribut> item);
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    std::shared_ptr<const Attribut> item_;
};

// x[debut,longueur], on characters.
class ExprSousChaine : public Expression {
  public:
    ExprSousChaine(ExpressionCompilee texte, long debut, long longueur)
        : Expression(texte->profondeur() + 1),
          texte_(std::move(texte)),
          debut_(debut),
          longueur_(longueur) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    ExpressionCompilee texte_;
    long debut_;
    long longueur_;
};

// x : y : ..., one node for the whole chain however long.
class ExprConcatenation : public Expression {
  public:
    explicit ExprConcatenation(std::vector<ExpressionCompilee> termes);
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    std::vector<ExpressionCompilee> termes_;
};

// TRANS("FILE", cle, n, "X"): attribute n of another file's record, empty when none.
class ExprTraduction : public Expression {
  public:
    ExprTraduction(IdFichier fichier, ExpressionCompilee cle, int attribut)
        : Expression(cle->profondeur() + 1),
          fichier_(fichier),
          cle_(std::move(cle)),
          attribut_(attribut) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    IdFichier fichier_;
    ExpressionCompilee cle_;
    int attribut_;
};

}  // namespace mvdb
