#include "Imprimantes.h"

#include <string>

#include "dba/Erreur.h"

namespace imprimante {

const Destination& destinationA(const std::vector<Destination>& liste, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= liste.size()) {
        throw dba::Erreur(dba::ErrArgument,
                          "Aucune imprimante ne porte le numéro " + std::to_string(index) + ".");
    }
    return liste[static_cast<std::size_t>(index)];
}

}  // namespace imprimante
