#include "BaseNouvelle.h"
#include "Commandes.h"
#include "Parametres.h"

namespace dbtool {

int commandeCopy(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("copy"),
                 QStringLiteral("Copie toute une base dans une base nouvelle, d'un fichier vers "
                                "un serveur ou l'inverse : tout ou rien, le nombre "
                                "d'enregistrements de chaque fichier vérifié."));
    p.argument(QStringLiteral("SOURCE"), QStringLiteral("Base à copier."));
    p.argument(QStringLiteral("DESTINATION"),
               QStringLiteral("Base nouvelle : un fichier qui ne doit pas exister, ou une base "
                              "de serveur qui n'en contient pas encore."));
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const auto source = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule);
    creerBase(p.positionnel(1), [&](mvdb::Base& destination) { source.copierDans(destination); });
    return 0;
}

}  // namespace dbtool
