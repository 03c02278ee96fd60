#include <cerrno>
#include <filesystem>
#include <fstream>

#include "Commandes.h"
#include "ErreurUsage.h"
#include "Parametres.h"
#include "Progression.h"
#include "dba/CauseSysteme.h"
#include "mvdb/Base.h"
#include "mvdb/ErreurLecture.h"

namespace dbtool {

namespace {

// On a terminal the import shows its progress; the end is known for a file, not for a pipe
// (octets 0). A read failure of the input is the user's to see to, as a wrong argument is.
void importerAvecSuivi(mvdb::Base& base, std::istream& lignes, std::uintmax_t octets,
                       const std::string& source, Console& console) {
    try {
        if (auto* terminal = Terminal_Erreurs(console.erreurs)) {
            FluxSuivi suivi(lignes, *terminal, {octets, {}});
            base.importer(suivi);
        } else {
            base.importer(lignes);
        }
    } catch (const mvdb::ErreurLecture& erreur) {
        throw ErreurUsage(erreur.texteNommant(source));
    }
}

[[noreturn]] void refuserSource(const std::string& source, const std::string& cause) {
    throw ErreurUsage("Impossible de lire le fichier à importer « " + source + " » : " + cause +
                      ".");
}

// The file to import, checked before the database is touched: a folder opens as a stream
// on Linux and fails only at its first read.
std::ifstream ouvrirSource(const std::string& source) {
    std::error_code erreur;
    if (std::filesystem::is_directory(source, erreur)) {
        refuserSource(source, dba::Cause_Systeme(EISDIR));
    }
    errno = 0;
    std::ifstream fichier(source, std::ios::binary);
    if (!fichier) {
        refuserSource(source, dba::Cause_Systeme(errno));
    }
    return fichier;
}

}  // namespace

int commandeImport(const QStringList& arguments, Console& console) {
    Parametres p(QStringLiteral("import"),
                 QStringLiteral("Importe des enregistrements JSON Lines (un par ligne : "
                                "{\"file\":..., \"id\":..., \"record\":[...]}) en une seule "
                                "transaction : une ligne invalide ou une erreur de lecture est "
                                "signalée et rien n'est enregistré."));
    p.argument(QStringLiteral("BASE"), aideBase());
    p.argument(QStringLiteral("JSONL"),
               QStringLiteral("Fichier à importer ; « - » ou rien : l'entrée standard."), true);
    if (!p.lire(arguments, console)) {
        return 0;
    }
    const std::string source = p.positionnel(1);
    if (source.empty() || source == "-") {
        auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureEcriture);
        importerAvecSuivi(base, console.entree, 0, "de l'entrée standard", console);
        return 0;
    }
    std::ifstream fichier = ouvrirSource(source);
    auto base = mvdb::Base::ouvrir(p.positionnel(0), mvdb::Mode::LectureEcriture);
    // A pipe named by a path (a shell's <(...)) has no size: its end is not known beforehand.
    std::error_code sansTaille;
    const std::uintmax_t octets = std::filesystem::is_regular_file(source, sansTaille)
                                      ? std::filesystem::file_size(source)
                                      : 0;
    importerAvecSuivi(base, fichier, octets, "de « " + source + " »", console);
    return 0;
}

}  // namespace dbtool
