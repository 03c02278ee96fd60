#include "DroitsModuleFichier.h"

#include "ListeAccesFichier.h"

namespace droits {

DroitsModuleFichier::DroitsModuleFichier(std::shared_ptr<dba::TheDatabase> base,
                                         std::int32_t niveau, SecteursAutorises secteurs)
    : base_(std::move(base)), niveau_(niveau), secteurs_(std::move(secteurs)) {}

bool DroitsModuleFichier::AccesAutorise(const std::string& secteur, std::int16_t /*drapeau*/) {
    return secteurs_.Autorise(secteur);
}

std::shared_ptr<droits::ListeAcces> DroitsModuleFichier::ListeAcces() {
    if (!liste_) {
        liste_ = std::make_shared<ListeAccesFichier>(base_, secteurs_);
    }
    return liste_;
}

}  // namespace droits
