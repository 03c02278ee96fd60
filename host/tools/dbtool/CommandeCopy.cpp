#include "BaseNouvelle.h"
#include "Commandes.h"
#include "Parametres.h"
#include "mvdb/StockageServeur.h"

namespace dbtool {

int commandeCopy(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("copy"),
                 QStringLiteral("Copie toute une base dans une base nouvelle%1 : tout ou rien, le "
                                "nombre d'enregistrements de chaque fichier vérifié.")
                     .arg(mvdb::serveurDisponible()
                              ? QStringLiteral(", d'un fichier vers un serveur ou l'inverse")
                              : QString()));
    p.argument(QStringLiteral("SOURCE"), QStringLiteral("Base à copier."));
    p.argument(QStringLiteral("DESTINATION"), aideBaseNouvelle());
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const auto source = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule);
    creerBase(p.positionnel(1), [&](mvdb::Base& destination) { source.copierDans(destination); });
    return 0;
}

}  // namespace dbtool
