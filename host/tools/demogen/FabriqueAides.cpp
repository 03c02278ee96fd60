#include "FabriqueAides.h"

#include "Codes.h"

namespace demogen {

namespace {

// Chances in per mille.
constexpr int ChanceNomCompose = 30;
constexpr int ChanceAutreDepartement = 100;
constexpr int ChanceSecteurDetaille = 40;

}  // namespace

FabriqueAides::FabriqueAides(const Referentiel& referentiel, const DonneesReference& donnees,
                             const TailleDemo& taille, Hasard& hasard)
    : referentiel_(referentiel),
      donnees_(donnees),
      hasard_(hasard),
      chaine_(referentiel, taille, hasard) {}

Aide FabriqueAides::aide(int numero) const {
    Aide aide;
    aide.code = codeAide(numero);
    const Entite& sonEntite = entite();
    aide.entite = sonEntite.code;
    // Double-barrelled names make some "surname first name" longer than the report's column.
    const bool compose = hasard_.pourMille(ChanceNomCompose);
    aide.nom = nom(compose);
    aide.prenom = prenom(compose);
    aide.commune = commune(sonEntite);
    aide.responsable = hasard_.choisir(referentiel_.responsables).code;
    aide.secteur = secteur();
    chaine_.remplir(aide);
    return aide;
}

// The first entity is the largest service.
const Entite& FabriqueAides::entite() const {
    static const std::vector<int> poids{55, 25, 20};
    return referentiel_.entites[hasard_.selonPoids(poids)];
}

std::string FabriqueAides::commune(const Entite& entite) const {
    if (hasard_.pourMille(ChanceAutreDepartement)) {
        return hasard_.choisir(hasard_.choisir(referentiel_.entites).communes).code;
    }
    return hasard_.choisir(entite.communes).code;
}

std::string FabriqueAides::nom(bool compose) const {
    std::string nom = hasard_.choisir(donnees_.noms);
    if (compose) {
        nom += "-" + hasard_.choisir(donnees_.noms);
    }
    return nom;
}

std::string FabriqueAides::prenom(bool compose) const {
    std::string prenom = hasard_.choisir(donnees_.prenoms);
    if (compose) {
        prenom += "-" + hasard_.choisir(donnees_.prenoms);
    }
    return prenom;
}

// Some persons carry a finer sector code, whose first three characters are the sector's.
std::string FabriqueAides::secteur() const {
    std::string code = hasard_.choisir(referentiel_.secteurs).code;
    if (hasard_.pourMille(ChanceSecteurDetaille)) {
        code += "X" + std::to_string(hasard_.entre(1, 9));
    }
    return code;
}

}  // namespace demogen
