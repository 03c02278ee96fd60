#include "GenerateurDemo.h"

#include <ostream>

#include "DictionnaireAccord.h"
#include "DroitsDemo.h"
#include "EcritureAide.h"
#include "EcritureReferentiel.h"
#include "FabriqueAides.h"
#include "LigneJsonl.h"

namespace demogen {

namespace {

constexpr std::size_t CommunesParLot = 2000;
constexpr int AidesParLot = 200;

}  // namespace

struct GenerateurDemo::Etat {
    Etat(DonneesReference d, TailleDemo t, std::uint64_t graine)
        : donnees(std::move(d)),
          taille(std::move(t)),
          hasard(graine),
          referentiel(Referentiel::construire(donnees, hasard)),
          fabrique(referentiel, donnees, taille, hasard) {}

    void ecrireEnTete(std::string& lignes) const {
        ecrireReferentiel(referentiel, lignes);
        ecrireDictionnaireAccord(lignes);
        ecrireDroits(referentiel, lignes);
        LigneJsonl("COMPTEUR", "CIVILAIDE").definir(1, taille.aides).ajouterA(lignes);
        LigneJsonl("COMPTEUR", "ORGPRISECHARGE")
            .definir(1, static_cast<int>(referentiel.organismes.size()))
            .ajouterA(lignes);
    }

    void ecrireCommunes(std::string& lignes) {
        const auto fin = std::min(prochaineCommune + CommunesParLot, donnees.communes.size());
        for (; prochaineCommune < fin; ++prochaineCommune) {
            const auto& commune = donnees.communes[prochaineCommune];
            LigneJsonl("COMMUNES", commune.code).definir(1, commune.nom).ajouterA(lignes);
        }
    }

    void ecrireAides(std::string& lignes) {
        const int fin = std::min(prochaineAide + AidesParLot, taille.aides + 1);
        for (; prochaineAide < fin; ++prochaineAide) {
            ecrireAide(fabrique.aide(prochaineAide), lignes);
        }
    }

    DonneesReference donnees;
    TailleDemo taille;
    Hasard hasard;
    Referentiel referentiel;
    FabriqueAides fabrique;
    bool enTeteEcrit = false;
    std::size_t prochaineCommune = 0;
    int prochaineAide = 1;
};

GenerateurDemo::GenerateurDemo(DonneesReference donnees, TailleDemo taille, std::uint64_t graine)
    : etat_(std::make_unique<Etat>(std::move(donnees), std::move(taille), graine)) {}

GenerateurDemo::~GenerateurDemo() = default;

bool GenerateurDemo::lotSuivant(std::string& lignes) {
    Etat& e = *etat_;
    if (!e.enTeteEcrit) {
        e.ecrireEnTete(lignes);
        e.enTeteEcrit = true;
    } else if (e.prochaineCommune < e.donnees.communes.size()) {
        e.ecrireCommunes(lignes);
    } else if (e.prochaineAide <= e.taille.aides) {
        e.ecrireAides(lignes);
    } else {
        return false;
    }
    return true;
}

void GenerateurDemo::ecrireTout(std::ostream& sortie) {
    std::string lignes;
    while (lotSuivant(lignes)) {
        sortie << lignes;
        lignes.clear();
    }
}

}  // namespace demogen
