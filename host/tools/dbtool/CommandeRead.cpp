#include <ostream>

#include "Commandes.h"
#include "Parametres.h"
#include "TexteLisible.h"
#include "dba/Erreur.h"
#include "mvdb/Base.h"

namespace dbtool {

int commandeRead(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("read"),
                 QStringLiteral("Affiche un enregistrement, un attribut par ligne : son numéro, "
                                "une tabulation, puis ses valeurs séparées par « ] » et les "
                                "sous-valeurs par « \\ ». La ligne 0 est la clé."));
    p.argument(QStringLiteral("BASE"), aideBase());
    p.argument(QStringLiteral("FICHIER"),
               QStringLiteral("Nom du fichier (ACCORD, DICT ACCORD...)."));
    p.argument(QStringLiteral("CLE"), QStringLiteral("Clé de l'enregistrement."));
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule);
    const std::string fichier = p.positionnel(1), cle = p.positionnel(2);
    const auto enregistrement = base.lire(fichier, cle);
    if (!enregistrement) {
        throw dba::Erreur(dba::ErrNonTrouve,
                          "l'enregistrement " + cle + " n'existe pas dans le fichier " + fichier);
    }
    console.sortie << "0\t" << cle << '\n';
    for (int attribut = 1; attribut <= enregistrement->DCount(); ++attribut) {
        console.sortie << attribut << '\t' << texteLisible((*enregistrement)(attribut)) << '\n';
    }
    return 0;
}

}  // namespace dbtool
