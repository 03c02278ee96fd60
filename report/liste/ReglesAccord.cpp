#include "ReglesAccord.h"

#include "TexteRapport.h"

namespace rapport {

bool Debute_Le(const dba::Enregistrement& accord, std::int64_t jour) {
    const auto debut = ardoine::Partie_Entiere(accord(5));
    return debut && *debut == jour;
}

bool Accord_Renouvelle(const dba::Enregistrement& accord, const dba::Enregistrement* organisme) {
    return organisme != nullptr && (*organisme)(18) == "P" && accord(18) != "O" &&
           (*organisme)(20) != "0";
}

bool Manque_Termine_Les_Accords(int numero) {
    return numero != 1;
}

bool Periode_Contient(const std::string& debut, const std::string& fin, std::int64_t jour) {
    const auto premier = ardoine::Partie_Entiere(debut);
    const auto dernier = ardoine::Partie_Entiere(fin);
    return premier && dernier && *premier <= jour && jour <= *dernier;
}

bool Organisme_Couvre(const dba::Enregistrement* organisme) {
    return organisme != nullptr && (*organisme)(18) == "P";
}

std::string Secteur_Aide(const dba::Enregistrement& aide) {
    return ardoine::Debut(aide(40), 3);
}

bool Aide_Visible(const dba::Enregistrement& aide,
                  const std::function<bool(const std::string& secteur)>& secteurAutorise) {
    return secteurAutorise(Secteur_Aide(aide));
}

}  // namespace rapport
