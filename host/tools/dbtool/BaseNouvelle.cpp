#include "BaseNouvelle.h"

#include "FichierProvisoire.h"
#include "mvdb/NomBase.h"

namespace dbtool {

void creerBase(const std::string& nom, const std::function<void(mvdb::Base&)>& remplir) {
    if (mvdb::designeServeur(nom)) {
        auto base = mvdb::Base::creer(nom);
        remplir(base);
        return;
    }
    FichierProvisoire provisoire(nom, FichierProvisoire::SiPresent::Refuser);
    provisoire.ecrire([&](const std::string& chemin) {
        auto base = mvdb::Base::creer(chemin);
        remplir(base);
    });
    provisoire.mettreEnPlace();
}

}  // namespace dbtool
