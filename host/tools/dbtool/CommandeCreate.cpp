#include "Commandes.h"
#include "FichierProvisoire.h"
#include "Parametres.h"
#include "mvdb/Base.h"

namespace dbtool {

int commandeCreate(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("create"), QStringLiteral("Crée une base vide."));
    p.argument(QStringLiteral("BASE"),
               QStringLiteral("Fichier de la base ; il ne doit pas exister."));
    if (!p.lire(arguments, console)) {
        return 0;
    }
    FichierProvisoire provisoire(p.positionnel(0), FichierProvisoire::SiPresent::Refuser);
    provisoire.ecrire([](const std::string& chemin) { mvdb::Base::creer(chemin); });
    provisoire.mettreEnPlace();
    return 0;
}

}  // namespace dbtool
