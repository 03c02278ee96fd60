#pragma once

#include <string>

#include "Metrique.h"

namespace imprimante {

// The font a text was printed with. A printer starts with the report font, "Courier New" at
// 10 points, regular.
struct Police {
    std::string nom = "Courier New";
    double taille = 10.0;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;

    bool operator==(const Police&) const = default;
};

enum class Genre { Texte, Trait };

// One drawing on a page, with everything needed to draw it again: the printed document is
// kept as a list of these until it is sent.
struct Operation {
    int page = 1;
    Genre genre = Genre::Texte;
    // A text: the top-left corner of its line. A line: its first end.
    Twips x = 0;
    Twips y = 0;
    // Text only.
    std::string texte{};
    bool finDeLigne = false;
    Police police{};
    // Line only: width in dots of the nominal device, and the second end.
    int largeur = 1;
    Twips x2 = 0;
    Twips y2 = 0;

    bool operator==(const Operation&) const = default;
};

}  // namespace imprimante
