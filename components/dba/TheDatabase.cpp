#include "TheDatabase.h"

#include "Erreur.h"

namespace dba {

bool Fichier::ChercherEnreg(const std::string& cle, Enregistrement& enregistrement) {
    try {
        enregistrement = LireEnreg(cle);
    } catch (const Erreur& erreur) {
        if (erreur.numero() != ErrNonTrouve) {
            throw;
        }
        return false;
    }
    return true;
}

}  // namespace dba
