#include "SecteursAutorises.h"

#include <algorithm>

#include "dba/TableauDynamique.h"

namespace droits {

SecteursAutorises::SecteursAutorises(std::string_view sousValeurs) {
    for (std::string_view secteur : dba::decouper(sousValeurs, dba::MarqueSousValeur)) {
        if (secteur == "*") {
            tous_ = true;
        } else {
            secteurs_.emplace_back(secteur);
        }
    }
}

bool SecteursAutorises::Autorise(std::string_view secteur) const {
    return tous_ || std::find(secteurs_.begin(), secteurs_.end(), secteur) != secteurs_.end();
}

}  // namespace droits
