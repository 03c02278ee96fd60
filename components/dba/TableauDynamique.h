#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dba/ExportBase.h"

namespace dba {

// Marks of a dynamic array. All text is UTF-8, where these bytes never occur.
inline constexpr char MarqueAttribut = '\xFE';
inline constexpr char MarqueValeur = '\xFD';
inline constexpr char MarqueSousValeur = '\xFC';

// The one indexed access shared by Requete, ListeResultat and Enregistrement: elements and
// values numbered from 1, everything past the end reads as the empty text.
class ARDOINE_BASE_EXPORT TableauDynamique {
  public:
    TableauDynamique() = default;
    explicit TableauDynamique(std::string_view texte);
    explicit TableauDynamique(std::vector<std::string> elements);

    std::string operator()(int element) const;
    std::string operator()(int element, int valeur) const;
    std::string operator()(int element, int valeur, int sousValeur) const;

    // The whole content as text, elements joined by the attribute mark.
    std::string texte() const;
    void assigner(std::string_view texte);
    void definir(int element, std::string valeur);

    int DCount() const { return static_cast<int>(elements_.size()); }
    int DCount(int element) const;

    const std::vector<std::string>& elements() const { return elements_; }

  private:
    std::vector<std::string> elements_;
};

// Splits on one mark; the empty text has no part at all.
ARDOINE_BASE_EXPORT std::vector<std::string_view> decouper(std::string_view texte, char marque);
// The parts joined by one mark: the reverse of decouper.
ARDOINE_BASE_EXPORT std::string joindre(const std::vector<std::string>& parties, char marque);
// Part n (from 1) of a text split on one mark, empty past the end.
ARDOINE_BASE_EXPORT std::string_view partie(std::string_view texte, char marque, int n);

}  // namespace dba
