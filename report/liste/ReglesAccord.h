#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "dba/Requete.h"

namespace rapport {

// The rules that decide whether a selected agreement is on the list, each a function of the
// records it looks at. A record that is not on file is given as nullptr; a date that is not a
// number fails every test it takes part in, so it never renews nor covers an agreement.

// Renewal. A later agreement of the same person renews the current one when it starts
// (attribute 5) the day after the current one ends...
bool Debute_Le(const dba::Enregistrement& accord, std::int64_t jour);
// ... and counts: it is not marked "O" (attribute 18), and its funding body is on file, funds
// care ("P", attribute 18) and still takes new agreements (attribute 20 not "0").
bool Accord_Renouvelle(const dba::Enregistrement& accord, const dba::Enregistrement* organisme);
// The person's agreements are examined in number order up to the first one missing; a missing
// first one ("001") does not end them.
bool Manque_Termine_Les_Accords(int numero);

// Pending request. A line of the person's renewal request covers the day when its period
// holds it, both ends counted...
bool Periode_Contient(const std::string& debut, const std::string& fin, std::int64_t jour);
// ... and its funding body is on file and funds care ("P", attribute 18).
bool Organisme_Couvre(const dba::Enregistrement* organisme);

// Rights. An aided person's sector is the first three characters of attribute 40; the person
// is listed only when the user may see that sector.
std::string Secteur_Aide(const dba::Enregistrement& aide);
bool Aide_Visible(const dba::Enregistrement& aide,
                  const std::function<bool(const std::string& secteur)>& secteurAutorise);

}  // namespace rapport
