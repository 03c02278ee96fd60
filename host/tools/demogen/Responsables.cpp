#include "Responsables.h"

#include "Codes.h"

namespace demogen {

namespace {

constexpr int NombreResponsables = 12;

std::string rue(Hasard& hasard) {
    static const std::vector<std::string> rues{
        "RUE DE LA MAIRIE",           "AVENUE JEAN JAURES",
        "PLACE DE L'EGLISE",          "CHEMIN DES VIGNES",
        "BOULEVARD DE LA REPUBLIQUE", "RUE DU GENERAL LECLERC",
        "ALLEE DES TILLEULS",         "RUE PASTEUR",
    };
    return std::to_string(hasard.entre(1, 120)) + " " + hasard.choisir(rues);
}

// Attributes 2 to 6 for one of four shapes of address.
void remplirAdresse(Responsable& r, int forme, Hasard& hasard) {
    switch (forme) {
        case 0:
            r.adresse[2] = rue(hasard);
            break;
        case 1:
            r.adresse[0] =
                "BATIMENT " + std::string(1, static_cast<char>('A' + hasard.entre(0, 5)));
            r.adresse[1] = "RESIDENCE LES CHARMILLES";
            r.adresse[2] = rue(hasard);
            r.complement = "BP " + std::to_string(hasard.entre(1, 300));
            break;
        case 2:
            r.adresse[0] = rue(hasard);
            r.adresse[3] = "LIEU-DIT LES GRANDS CHAMPS";
            break;
        default:
            r.complement = "CS " + std::to_string(hasard.entre(10000, 99999));
            break;
    }
}

Responsable responsable(int numero, const Entite& entite, const DonneesReference& donnees,
                        Hasard& hasard) {
    Responsable r;
    r.code = codeNumerique(numero, 3);
    r.nom = hasard.choisir(donnees.prenoms) + " " + hasard.choisir(donnees.noms);
    if (numero == NombreResponsables) {
        return r;  // a manager whose address was never entered
    }
    remplirAdresse(r, numero % 4, hasard);
    r.codePostal = entite.departement + codeNumerique(hasard.entre(1, 99) * 10, 3);
    r.ville = hasard.choisir(entite.communes).nom;
    return r;
}

}  // namespace

std::vector<Responsable> responsablesDesEntites(const std::vector<Entite>& entites,
                                                const DonneesReference& donnees, Hasard& hasard) {
    std::vector<Responsable> liste;
    for (int numero = 1; numero <= NombreResponsables; ++numero) {
        const auto& entite = entites[static_cast<std::size_t>(numero) % entites.size()];
        liste.push_back(responsable(numero, entite, donnees, hasard));
    }
    return liste;
}

}  // namespace demogen
