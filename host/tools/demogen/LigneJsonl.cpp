#include "LigneJsonl.h"

namespace demogen {

LigneJsonl::LigneJsonl(std::string_view fichier, std::string_view cle)
    : ligne_{{"file", fichier}, {"id", cle}, {"record", nlohmann::ordered_json::array()}} {}

LigneJsonl& LigneJsonl::definir(int attribut, nlohmann::ordered_json valeur) {
    auto& attributs = ligne_["record"];
    const auto rang = static_cast<std::size_t>(attribut - 1);
    if (rang >= attributs.size() && valeur == "") {
        return *this;  // trailing empty attributes are left out
    }
    while (attributs.size() <= rang) {
        attributs.push_back("");
    }
    attributs[rang] = std::move(valeur);
    return *this;
}

void LigneJsonl::ajouterA(std::string& lignes) const {
    lignes += ligne_.dump();
    lignes += '\n';
}

}  // namespace demogen
