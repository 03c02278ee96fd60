#include "DroitsFichier.h"

#include <charconv>

#include "DroitsModuleFichier.h"
#include "dba/Erreur.h"

namespace droits {
namespace {

// A level that is not a whole number grants nothing.
std::int32_t Niveau(const std::string& texte) {
    std::int32_t niveau = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), niveau);
    if (erreur != std::errc() || fin != texte.data() + texte.size()) {
        return 0;
    }
    return niveau;
}

// Position (from 1) of the module among the values of attribute 1; 0 when absent.
int PositionModule(const dba::Enregistrement& droits, const std::string& module) {
    for (int valeur = 1; valeur <= droits.DCount(1); ++valeur) {
        if (droits(1, valeur) == module) {
            return valeur;
        }
    }
    return 0;
}

}  // namespace

DroitsFichier::DroitsFichier(std::shared_ptr<dba::TheDatabase> base, std::string login)
    : base_(std::move(base)), login_(std::move(login)) {}

std::shared_ptr<DroitsModule> DroitsFichier::LireDroitsModule(const std::string& module) {
    const dba::Enregistrement droits = LireDroitsLogin().value_or(dba::Enregistrement{});
    const int position = PositionModule(droits, module);
    if (position == 0) {
        return std::make_shared<DroitsModuleFichier>(base_, 0, SecteursAutorises());
    }
    return std::make_shared<DroitsModuleFichier>(base_, Niveau(droits(2, position)),
                                                 SecteursAutorises(droits(3, position)));
}

bool DroitsFichier::Connu() const {
    return LireDroitsLogin().has_value();
}

std::optional<dba::Enregistrement> DroitsFichier::LireDroitsLogin() const {
    if (login_.empty()) {
        return std::nullopt;
    }
    try {
        return base_->OuvrirFichier("DROITS")->LireEnreg(login_);
    } catch (const dba::Erreur& erreur) {
        if (erreur.numero() != dba::ErrNonTrouve) {
            throw;
        }
        return std::nullopt;
    }
}

}  // namespace droits
