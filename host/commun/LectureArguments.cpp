#include "LectureArguments.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "mvdb/MotDePasse.h"
#include "mvdb/NomBase.h"

namespace hote {

namespace {

constexpr const char* Avertissement =
    "Attention : un mot de passe est donné sur la ligne de commande, où les autres "
    "utilisateurs de la machine peuvent le lire (ps, historique du shell). Mettez-le plutôt "
    "dans ~/.pgpass (ou le fichier que nomme PGPASSFILE), ou désignez la base par un service "
    "de libpq (PGSERVICE, ou service=... dans un fichier pg_service.conf).";

// Overwrites the passwords of a database name starting at `nom`; whether there was one.
bool Effacer(char* nom) {
    const std::string_view texte(nom);
    if (!mvdb::designeServeur(texte)) {
        return false;
    }
    const auto plages = mvdb::plagesMotDePasse(texte);
    for (const mvdb::Plage& plage : plages) {
        std::fill(nom + plage.debut, nom + plage.fin, '*');
    }
    return !plages.empty();
}

// An argument is a database name, or an option and its value after '='.
bool Effacer_Mots_De_Passe(char* argument) {
    const std::string_view texte(argument);
    const std::size_t egal = texte.find('=');
    const bool option = texte.starts_with('-') && egal != std::string_view::npos;
    return option ? Effacer(argument + egal + 1) : Effacer(argument);
}

}  // namespace

QStringList Lire_Arguments(int argc, char** argv, std::ostream& avertissements) {
    QStringList arguments;
    bool motDePasse = false;
    for (int rang = 0; rang < argc; ++rang) {
        arguments.append(QString::fromLocal8Bit(argv[rang]));
        motDePasse = Effacer_Mots_De_Passe(argv[rang]) || motDePasse;
    }
    if (motDePasse) {
        avertissements << Avertissement << std::endl;
    }
    return arguments;
}

}  // namespace hote
