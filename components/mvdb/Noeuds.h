#pragma once

#include <memory>
#include <string>

#include "Expression.h"

namespace mvdb {

// The building blocks of compiled expressions.

class ExprCle : public Expression {
  public:
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;
};

class ExprAttribut : public Expression {
  public:
    explicit ExprAttribut(int numero) : numero_(numero) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    int numero_;
};

class ExprLitteral : public Expression {
  public:
    explicit ExprLitteral(std::string texte) : texte_(std::move(texte)) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    std::string texte_;
};

class ExprItem : public Expression {
  public:
    explicit ExprItem(std::shared_ptr<const Attribut> item) : item_(std::move(item)) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    std::shared_ptr<const Attribut> item_;
};

// x[debut,longueur], on characters.
class ExprSousChaine : public Expression {
  public:
    ExprSousChaine(ExpressionCompilee texte, long debut, long longueur)
        : texte_(std::move(texte)), debut_(debut), longueur_(longueur) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    ExpressionCompilee texte_;
    long debut_;
    long longueur_;
};

// x : y
class ExprConcatenation : public Expression {
  public:
    ExprConcatenation(ExpressionCompilee gauche, ExpressionCompilee droite)
        : gauche_(std::move(gauche)), droite_(std::move(droite)) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    ExpressionCompilee gauche_;
    ExpressionCompilee droite_;
};

// TRANS("FILE", cle, n, "X"): attribute n of another file's record, empty when none.
class ExprTraduction : public Expression {
  public:
    ExprTraduction(IdFichier fichier, ExpressionCompilee cle, int attribut)
        : fichier_(fichier), cle_(std::move(cle)), attribut_(attribut) {}
    std::string evaluer(const EnregCourant& enreg, Contexte& contexte) const override;

  private:
    IdFichier fichier_;
    ExpressionCompilee cle_;
    int attribut_;
};

}  // namespace mvdb
