#pragma once

#include <string>
#include <vector>

namespace rapport {

// A part of a selection sentence over ACCORD: a condition ("AVEC attribut operateur valeur")
// or a sort ("PAR attribut"). The print run sends the sentence they make; the explanation
// tests the conditions one by one on one agreement.
struct PartieSelection {
    enum class Genre { Condition, Tri };
    Genre genre = Genre::Condition;
    std::string attribut;
    std::string operateur;
    std::string valeur;
};

// "attribut operateur "valeur"", the value between double quotes.
std::string Texte_Condition(const PartieSelection& condition);

// "SSELECT ACCORD AVEC ... AND AVEC ... PAR ...", the parts in their order; the first is a
// condition.
std::string Phrase_Accords(const std::vector<PartieSelection>& parties);

}  // namespace rapport
