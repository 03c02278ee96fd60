#include <ostream>

#include "Commandes.h"
#include "Parametres.h"
#include "dba/Erreur.h"
#include "mvdb/Base.h"
#include "outils/FichierEntier.h"
#include "outils/FluxFichierEntier.h"

namespace dbtool {

namespace {

void exporterVers(const mvdb::Base& base, const std::string& destination) {
    outils::FichierEntier fichier(destination, dba::ErrStockage);
    outils::FluxFichierEntier tampon(fichier);
    std::ostream lignes(&tampon);
    // The writer's own error, naming the file and the cause, goes through the stream.
    lignes.exceptions(std::ios::badbit);
    base.exporter(lignes);
    fichier.Terminer();
}

}  // namespace

int commandeExport(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("export"),
                 QStringLiteral("Exporte toute la base en JSON Lines : les fichiers par nom, les "
                                "enregistrements par clé."));
    p.argument(QStringLiteral("BASE"), aideBase());
    const QCommandLineOption sortie(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("Écrit dans ce fichier, remplacé seulement une fois l'export complet, "
                       "au lieu de la sortie standard."),
        QStringLiteral("FICHIER"));
    p.option(sortie);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureSeule);
    if (p.estPose(sortie)) {
        exporterVers(base, p.valeur(sortie));
    } else {
        base.exporter(console.sortie);
    }
    return 0;
}

}  // namespace dbtool
