#include "NomBase.h"

#include <regex>

#include "MotDePasse.h"

namespace mvdb {

bool designeServeur(std::string_view nom) {
    static const std::regex motCle(R"((^|\s)(host|hostaddr|dbname|service|port|user)\s*=)");
    return estUriServeur(nom) || std::regex_search(nom.begin(), nom.end(), motCle);
}

std::string nomAffichable(std::string_view nom) {
    std::string affichable;
    std::size_t lu = 0;
    for (const Plage& plage : plagesMotDePasse(nom)) {
        affichable.append(nom.substr(lu, plage.debut - lu)).append(MasqueAffiche);
        lu = plage.fin;
    }
    return affichable.append(nom.substr(lu));
}

}  // namespace mvdb
