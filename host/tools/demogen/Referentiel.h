#pragma once

#include <array>
#include <string>
#include <vector>

#include "DonneesReference.h"
#include "Hasard.h"

namespace demogen {

struct Activite {
    std::string code;  // 3 characters
    std::string libelle;
};

struct Organisme {
    std::string code;  // 3 digits
    std::string sigle;
    std::string nom;
    std::string type;    // "P" for a body that funds care
    std::string statut;  // "0" for a body that no longer funds new agreements
    std::string entite;
    std::vector<std::string> activites;  // entity + activity codes
    int fermeture = 0;                   // closing day, 0 while open
    int delai = 0;                       // months its renewals take to be decided

    bool financeLesSoins() const { return type == "P" && statut != "0"; }
};

// A legal entity with its activities, the communes where its aided persons live and its
// funding bodies (indexes into Referentiel::organismes).
struct Entite {
    std::string code;  // 3 characters
    std::string nom;
    std::string departement;
    std::vector<Activite> activites;
    std::vector<Commune> communes;
    std::vector<std::size_t> organismes;
};

struct Responsable {
    std::string code;
    std::string nom;
    std::array<std::string, 4> adresse;  // attributes 2 to 5, some empty
    std::string complement;
    std::string codePostal;
    std::string ville;
};

struct Secteur {
    std::string code;
    std::string nom;
};

// Everything the aided persons refer to: entities, activities, funding bodies, managers,
// sectors and the communes they live in.
struct Referentiel {
    std::vector<Entite> entites;
    std::vector<Organisme> organismes;
    std::vector<Responsable> responsables;
    std::vector<Secteur> secteurs;

    static Referentiel construire(const DonneesReference& donnees, Hasard& hasard);

    // The entity's bodies that pass `garder`.
    template <typename Predicat>
    std::vector<const Organisme*> organismesDe(const Entite& entite, Predicat garder) const {
        std::vector<const Organisme*> resultat;
        for (const auto i : entite.organismes) {
            if (garder(organismes[i])) {
                resultat.push_back(&organismes[i]);
            }
        }
        return resultat;
    }
};

}  // namespace demogen
