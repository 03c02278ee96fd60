#include "Commandes.h"
#include "Parametres.h"
#include "mvdb/Base.h"

namespace dbtool {

int commandeIndex(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("index"),
                 QStringLiteral("Déclare un index secondaire et le construit, ou reconstruit un "
                                "index déjà déclaré."));
    p.argument(QStringLiteral("BASE"), aideBase());
    p.argument(QStringLiteral("FICHIER"), QStringLiteral("Nom du fichier indexé."));
    p.argument(QStringLiteral("ITEM"),
               QStringLiteral("Item D du dictionnaire du fichier, ou numéro d'attribut."));
    const QCommandLineOption reconstruire(QStringLiteral("rebuild"),
                                          QStringLiteral("Reconstruit l'index déjà déclaré."));
    p.option(reconstruire);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureEcriture);
    if (p.estPose(reconstruire)) {
        base.reconstruireIndex(p.positionnel(1), p.positionnel(2));
    } else {
        base.declarerIndex(p.positionnel(1), p.positionnel(2));
    }
    return 0;
}

}  // namespace dbtool
