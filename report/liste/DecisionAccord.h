#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rapport {

// A later agreement of the same person, as the renewal rule examined it.
struct AccordSuivant {
    std::string cle;
    std::string debut;
    std::string marque;
    std::string organisme;
    // The funding body's type and status; both empty when its record is not on file.
    std::string typeOrganisme;
    std::string statutOrganisme;
    bool organismeLu = false;
    bool debuteLeLendemain = false;
    // Starts the day after and counts as a renewal.
    bool renouvelle = false;
};

// A line of the person's renewal request, as the request rule examined it.
struct LigneDemandeExaminee {
    int numero = 0;
    std::string organisme;
    std::string debut;
    std::string fin;
    std::string typeOrganisme;
    bool organismeLu = false;
    bool contientLendemain = false;
    bool couvre = false;
};

// A line of the list, as fields; each destination formats them its own way.
struct LigneListe {
    std::string codeAide;
    std::string nom;
    std::string prenom;
    std::string codeOrganisme;
    std::string organisme;
    // Day number, as the database keeps it.
    std::string fin;
    std::string groupe;
};

// Why a selected agreement is, or is not, on the list: every rule in the order the report
// applies it, with the records it looked at. A rule that was not reached keeps its defaults.
struct DecisionAccord {
    std::string cle;
    std::string fin;
    std::string organisme;
    // Nothing when the end date is not a number: then nothing renews nor covers it.
    std::optional<std::int64_t> lendemain;

    std::vector<AccordSuivant> suivants;
    bool renouvele = false;

    bool demandeExaminee = false;
    bool demandeLue = false;
    std::vector<LigneDemandeExaminee> demande;
    bool couvert = false;

    bool aideExamine = false;
    bool aideLu = false;
    std::string secteur;
    bool visible = false;

    // Filled when the agreement is listed.
    LigneListe ligne;
    // Where the page layout printed the line; 0 while it is on no page.
    std::int64_t page = 0;
    std::int64_t numeroLigne = 0;

    bool Listee() const { return !renouvele && !couvert && aideExamine && visible; }
};

}  // namespace rapport
