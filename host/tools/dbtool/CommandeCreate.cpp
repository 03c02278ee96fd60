#include "BaseNouvelle.h"
#include "Commandes.h"
#include "Parametres.h"
#include "mvdb/Base.h"

namespace dbtool {

int commandeCreate(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("create"), QStringLiteral("Crée une base vide."));
    p.argument(QStringLiteral("BASE"), aideBaseNouvelle());
    if (!p.lire(arguments, console)) {
        return 0;
    }
    creerBase(p.positionnel(0), [](mvdb::Base&) {});
    return 0;
}

}  // namespace dbtool
