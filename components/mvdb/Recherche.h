#pragma once

#include <string>
#include <variant>
#include <vector>

namespace mvdb {

// One lookup in the primary key or in one secondary index, as the planner describes it to a
// store: conditions joined by AND on the text (byte order) or on the numeric value of the
// key or entry. The store answers with the keys it finds; the engine merges the keys of
// several lookups.
struct Recherche {
    enum class Colonne { Texte, Nombre };
    enum class Comparateur { Egal, AuMoins, AuPlus, Avant };
    struct Condition {
        Colonne colonne;
        Comparateur comparateur;
        std::variant<std::string, double> valeur;
    };

    bool surCle = true;  // the primary key; otherwise the entries of index `attribut`
    int attribut = 0;
    std::vector<Condition> conditions;
    bool nonNumerique = false;      // only keys or entries that are not numbers
    bool plusieursValeurs = false;  // only entries of records with several values
};

}  // namespace mvdb
