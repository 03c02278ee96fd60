#include "ImprimantesEnregistrees.h"

#include <utility>

namespace imprimante {

ImprimantesEnregistrees::ImprimantesEnregistrees(std::vector<Destination> liste,
                                                 std::int32_t indexParDefaut)
    : liste_(std::move(liste)), indexParDefaut_(indexParDefaut) {}

std::shared_ptr<Imprimante> ImprimantesEnregistrees::Ouvrir(std::int32_t index,
                                                            const Reglages& reglages) {
    destinationA(liste_, index);
    auto imprimante = std::make_shared<ImprimanteEnregistree>();
    ouvertures_.push_back({index, reglages, imprimante});
    return imprimante;
}

}  // namespace imprimante
