#include "Metrique.h"

#include <QList>
#include <QString>

namespace imprimante {

namespace {
// 0.6 em of 20 twips per point.
constexpr Twips AvanceParPoint = 12.0;
constexpr Twips HauteurLigneA10Points = 0.39 * TwipsParCm;
}  // namespace

Twips epaisseurTrait(int largeur) {
    return largeur * TwipsParPouce / PointsParPouceNominal;
}

Twips avanceCaractere(double taille) {
    return AvanceParPoint * taille;
}

Twips hauteurLigne(double taille) {
    return HauteurLigneA10Points * taille / 10.0;
}

int nombreCaracteres(std::string_view texteUtf8) {
    const auto texte =
        QString::fromUtf8(texteUtf8.data(), static_cast<qsizetype>(texteUtf8.size()));
    return static_cast<int>(texte.toUcs4().size());
}

Twips largeurTexte(std::string_view texteUtf8, double taille) {
    return nombreCaracteres(texteUtf8) * avanceCaractere(taille);
}

}  // namespace imprimante
