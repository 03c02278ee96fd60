#include <filesystem>
#include <fstream>

#include "Commandes.h"
#include "Parametres.h"
#include "Progression.h"
#include "dba/Erreur.h"
#include "mvdb/Base.h"

namespace dbtool {

namespace {

// On a terminal the import shows its progress; the end is known for a file, not for a pipe
// (octets 0).
void importerAvecSuivi(mvdb::Base& base, std::istream& lignes, std::uintmax_t octets,
                       Console& console) {
    if (auto* terminal = Terminal_Erreurs(console.erreurs)) {
        FluxSuivi suivi(lignes, *terminal, {octets, {}});
        base.importer(suivi);
    } else {
        base.importer(lignes);
    }
}

}  // namespace

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
        importerAvecSuivi(base, console.entree, 0, console);
        return 0;
    }
    std::ifstream fichier(source, std::ios::binary);
    if (!fichier) {
        throw dba::Erreur(dba::ErrArgument, "impossible de lire le fichier : " + source);
    }
    // A pipe named by a path (a shell's <(...)) has no size: its end is not known beforehand.
    std::error_code sansTaille;
    const std::uintmax_t octets = std::filesystem::is_regular_file(source, sansTaille)
                                      ? std::filesystem::file_size(source)
                                      : 0;
    importerAvecSuivi(base, fichier, octets, console);
    return 0;
}

}  // namespace dbtool
