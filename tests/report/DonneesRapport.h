#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace essai {

// Day number of a calendar date, as the database keeps dates.
std::int64_t Jour(int annee, int mois, int jour);
std::string TexteJour(int annee, int mois, int jour);

// Legal entity "041", the agreement dictionary, funding bodies "001" (care, open), "002" (care,
// no longer taking agreements: status "0"), "003" (not care: type "M"), managers "R01" (full
// address) and "R02", sectors "S01" and "S02", and the rights of "admin" (every sector) and
// "secteur1" (sector S01 only).
std::vector<std::string> Socle();

struct Personne {
    std::string code;
    std::string nom;
    std::string prenom;
    std::string responsable = "R01";
    std::string secteur = "S01";
    std::string commune = "75056";
};
std::string Aide(const Personne& personne);
// n persons of the same group, coded "00001" on and named in the same order.
std::vector<Personne> Serie(int n);
// Each person with one agreement, key code + "001", ending at the end of May 2018.
std::vector<std::string> AidesDeMai(const std::vector<Personne>& personnes);

// An agreement of legal entity "041" from `debut` to `fin` (day numbers as text).
struct Accord {
    std::string cle;
    std::string debut;
    std::string fin;
    std::string organisme = "001";
    std::string marque = "";
};
std::string LigneAccord(const Accord& accord);

struct LigneDemande {
    std::string organisme;
    std::string debut;
    std::string fin;
};
std::string Demande(const std::string& personne, const std::vector<LigneDemande>& lignes);

// The end of May 2018, the month the test controls show, and the day after it.
std::string FinMai();
std::int64_t LendemainFinMai();

// The day after May plus `decalage` days, as text.
std::string JourApresMai(std::int64_t decalage);
// An agreement from 1 June 2017 to the end of May 2018.
std::string AccordDeMai(const std::string& cle, const std::string& organisme = "001");
// An agreement from the day after May plus `decalage`, for a year.
std::string Suivant(const std::string& cle, std::int64_t decalage = 0,
                    const std::string& organisme = "001", const std::string& marque = "");

// Base data plus the given lines.
std::vector<std::string> Avec(std::vector<std::string> lignes);

}  // namespace essai
