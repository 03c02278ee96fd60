#pragma once

#include <string_view>

namespace imprimante {

// Page coordinates are twips: 1/1440 inch, 567 to the centimetre as the layout counts them.
using Twips = double;

inline constexpr Twips TwipsParPouce = 1440.0;
inline constexpr Twips TwipsParCm = 567.0;

// Line widths are dots of a nominal 600-dpi device, so that a width looks the same whatever
// the resolution of the device that finally draws it.
inline constexpr double PointsParPouceNominal = 600.0;

Twips epaisseurTrait(int largeur);

// The report font is fixed-pitch: every character advances 0.6 em, that is 12 twips per
// point of size (120 twips at 10 points).
Twips avanceCaractere(double taille);

// One line of text is 0.39 cm at 10 points and proportionally more or less at other sizes.
// The table frames of the reports are computed with that pitch, so they always enclose the
// lines they were computed for.
Twips hauteurLigne(double taille);

// Characters, not bytes, of a UTF-8 text: an accented capital takes one column.
int nombreCaracteres(std::string_view texteUtf8);

Twips largeurTexte(std::string_view texteUtf8, double taille);

}  // namespace imprimante
