#include "DroitsDemo.h"

#include "LigneJsonl.h"

namespace demogen {

namespace {

using Liste = nlohmann::ordered_json;

// Attribute 3 holds one value per module: the open sectors as subvalues, or "*".
void ecrireUtilisateur(const std::string& login, const Liste& modules, const Liste& niveaux,
                       const Liste& secteurs, std::string& lignes) {
    LigneJsonl("DROITS", login)
        .definir(1, modules)
        .definir(2, niveaux)
        .definir(3, secteurs)
        .ajouterA(lignes);
}

Liste secteursImpairs(const Referentiel& referentiel) {
    Liste codes = Liste::array();
    for (std::size_t i = 0; i < referentiel.secteurs.size(); i += 2) {
        codes.push_back(referentiel.secteurs[i].code);
    }
    return codes;
}

}  // namespace

void ecrireDroits(const Referentiel& referentiel, std::string& lignes) {
    ecrireUtilisateur("admin", {"PAIE", ModuleArdoine}, {"1", "2"}, {"*", "*"}, lignes);
    ecrireUtilisateur("secteurs", {ModuleArdoine}, {"2"},
                      Liste::array({secteursImpairs(referentiel)}), lignes);
    ecrireUtilisateur("lecteur", {ModuleArdoine}, {"1"}, {"*"}, lignes);
}

}  // namespace demogen
