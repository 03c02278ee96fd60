#include "BaseNouvelle.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "ErreurUsage.h"
#include "FichierProvisoire.h"
#include "dba/Erreur.h"
#include "mvdb/EchecStockage.h"
#include "mvdb/NomBase.h"
#include "mvdb/Ouverture.h"

namespace dbtool {

namespace {

// Removes a database the command created; false when the server cannot be reached to do so.
bool effacer(const std::string& nom) noexcept {
    try {
        mvdb::effacerBaseCreee(nom);
        return true;
    } catch (const dba::Erreur&) {
        return false;
    }
}

// Removes what a failed filling may have left of a database the command created: a database
// made by its first write, which the failure rolled back, has left nothing. False when it may
// be there and the server cannot be reached to remove it.
bool abandonner(std::optional<mvdb::Base>& base, const std::string& nom) noexcept {
    const bool laissee = base->existe();
    base.reset();
    return !laissee || effacer(nom);
}

// The database is made by the filling's first write, in its transaction: a copy, one
// transaction, is all or nothing even when the server goes away in its middle. A filling that
// commits in several steps (the demo's import, then its index) and fails after the first has
// the database removed again, so that the command can simply be run again. A database that
// existed before is never touched: creating it is what fails then. When the server is gone
// for good, nothing can remove the database: the failure of the filling is then reported with
// what the user must do before running the command again.
void creerSurServeur(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir) {
    auto base = std::make_optional(mvdb::Base::creer(nom, mvdb::Creation::Chargement));
    try {
        remplir(*base);
        base->mettreEnService();
    } catch (const dba::Erreur& erreur) {
        if (!abandonner(base, nom)) {
            throw dba::Erreur(erreur.numero(),
                              erreur.texte() + " La base « " + mvdb::nomAffichable(nom) +
                                  " », créée par la commande, n'a pas pu être effacée : "
                                  "supprimez son schéma mvdb avant de recommencer.");
        }
        throw;
    } catch (...) {
        abandonner(base, nom);
        throw;
    }
}

[[noreturn]] void refuserDossier(mvdb::CauseEchec cause, const std::string& nom) {
    throw ErreurUsage(mvdb::erreurStockage(cause, nom).texte());
}

// The folder of a new file is checked before anything is written in it, so that the user is
// told which folder to see to, not how the store failed on a provisional file.
void verifierDossier(const std::string& nom) {
    std::filesystem::path dossier = std::filesystem::path(nom).parent_path();
    if (dossier.empty()) {
        dossier = ".";
    }
    std::error_code erreur;
    const auto etat = std::filesystem::status(dossier, erreur);
    if (erreur.value() == EACCES) {
        refuserDossier(mvdb::CauseEchec::DossierRefuse, nom);
    }
    if (!std::filesystem::is_directory(etat)) {
        refuserDossier(mvdb::CauseEchec::DossierAbsent, nom);
    }
    if (::access(dossier.c_str(), W_OK | X_OK) != 0) {
        refuserDossier(mvdb::CauseEchec::DossierRefuse, nom);
    }
}

}  // namespace

void creerBase(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir) {
    if (mvdb::designeServeur(nom)) {
        creerSurServeur(nom, remplir);
        return;
    }
    verifierDossier(nom);
    FichierProvisoire provisoire(nom);
    provisoire.ecrire([&](const std::string& chemin) {
        auto base = mvdb::Base::creer(chemin, mvdb::Creation::Chargement);
        remplir(base);
        base.mettreEnService();
    });
    provisoire.mettreEnPlace();
}

}  // namespace dbtool
