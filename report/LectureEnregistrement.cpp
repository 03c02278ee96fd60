#include "LectureEnregistrement.h"

#include "dba/Erreur.h"

namespace rapport {

// The slot is emptied first, so that a record from an earlier read is never taken for this
// one; a slot nobody else holds is emptied in place, sparing an allocation per read. A key
// that is not on file leaves it empty; the empty key never is on file. Any other failure is
// the database's and goes to the caller.
bool Lire_Enregistrement(const std::shared_ptr<dba::Fichier>& fichier, const std::string& cle,
                         std::shared_ptr<dba::Enregistrement>& enregistrement) {
    if (enregistrement.use_count() == 1) {
        enregistrement->assigner({});
    } else {
        enregistrement = std::make_shared<dba::Enregistrement>();
    }
    if (!fichier) {
        throw dba::Erreur(dba::ErrArgument, "Les fichiers de la base ne sont pas ouverts.");
    }
    if (cle.empty()) {
        return false;
    }
    return fichier->ChercherEnreg(cle, *enregistrement);
}

}  // namespace rapport
