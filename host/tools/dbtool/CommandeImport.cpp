#include <fstream>

#include "Commandes.h"
#include "Parametres.h"
#include "dba/Erreur.h"
#include "mvdb/Base.h"

namespace dbtool {

int commandeImport(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("import"),
                 QStringLiteral("Importe des enregistrements JSON Lines (un par ligne : "
                                "{\"file\":..., \"id\":..., \"record\":[...]}) en une seule "
                                "transaction : une ligne invalide est signalée avec son numéro "
                                "et rien n'est enregistré."));
    p.argument(QStringLiteral("BASE"), QStringLiteral("Base : un fichier, ou une base d'un serveur "
                                                      "(postgresql://… ou host=… dbname=…)."));
    p.argument(QStringLiteral("JSONL"),
               QStringLiteral("Fichier à importer ; « - » ou rien : l'entrée standard."), true);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureEcriture);
    const std::string source = p.positionnel(1);
    if (source.empty() || source == "-") {
        base.importer(console.entree);
        return 0;
    }
    std::ifstream fichier(source, std::ios::binary);
    if (!fichier) {
        throw dba::Erreur(dba::ErrArgument, "impossible de lire le fichier : " + source);
    }
    base.importer(fichier);
    return 0;
}

}  // namespace dbtool
