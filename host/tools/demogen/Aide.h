#pragma once

#include <string>
#include <vector>

namespace demogen {

struct Accord {
    int numero;             // sequence number within the person's agreements
    std::string organisme;  // funding body
    std::string activite;   // entity + activity
    int debut;
    int fin;
    std::string marque;   // "O": does not count as a renewal
    std::string cloture;  // closure code, empty while in force
};

// One line of a renewal request: the period asked for, from a funding body.
struct LigneDemande {
    std::string organisme;
    int date;
    int debut;
    int fin;
};

// An aided person with the chain of agreements and the renewal requests on file.
struct Aide {
    std::string code;  // 5 characters
    std::string entite;
    std::string nom;
    std::string prenom;
    std::string commune;
    std::string responsable;
    std::string secteur;  // a sector code, sometimes with more characters after it
    int sortie = 0;       // day the person left the service, 0 while served
    std::vector<Accord> accords;
    std::vector<LigneDemande> demandes;
};

}  // namespace demogen
