#include "BaseNouvelle.h"

#include <optional>

#include "FichierProvisoire.h"
#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/Ouverture.h"

namespace dbtool {

namespace {

// The creation commits at once, and a filling may commit in several steps (the demo's import,
// then its index): a failed filling removes the whole database again, so that the command can
// simply be run again. A database that existed before is never touched: creating it is what
// fails then.
void creerSurServeur(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir) {
    auto base = std::make_optional(mvdb::Base::creer(nom));
    try {
        remplir(*base);
    } catch (...) {
        base.reset();
        try {
            mvdb::effacerBaseCreee(nom);
        } catch (const dba::Erreur&) {
            // The failure of the filling is the one to report.
        }
        throw;
    }
}

}  // namespace

void creerBase(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir) {
    if (mvdb::designeServeur(nom)) {
        creerSurServeur(nom, remplir);
        return;
    }
    FichierProvisoire provisoire(nom);
    provisoire.ecrire([&](const std::string& chemin) {
        auto base = mvdb::Base::creer(chemin);
        remplir(base);
    });
    provisoire.mettreEnPlace();
}

}  // namespace dbtool
