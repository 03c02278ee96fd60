#include "LectureArguments.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
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

// The arguments as given, copied before their passwords are overwritten. Plain storage that
// no constructor touches: the copy is made before any constructor has run.
int nombreCopies = 0;
char** copies = nullptr;
bool motDePasseDonne = false;

// Overwrites the passwords of a database name starting at `nom`; whether there was one.
bool Effacer(char* nom) {
    const std::string_view texte(nom);
    if (mvdb::genreNom(texte) == mvdb::GenreNom::Fichier) {
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

// Called by the C library with main's own arguments before the initialisation of any library
// (Qt, libpq, the C++ library's streams): the time during which /proc shows a password is
// the loader's mapping of the libraries alone. Without memory for the copy, nothing is masked
// rather than anything lost.
void Masquer_Au_Demarrage(int argc, char** argv, char** /*environnement*/) {
    copies = static_cast<char**>(std::calloc(static_cast<std::size_t>(argc), sizeof(char*)));
    for (int rang = 0; copies != nullptr && rang < argc; ++rang) {
        copies[rang] = ::strdup(argv[rang]);
        if (copies[rang] == nullptr) {
            return;
        }
        nombreCopies = rang + 1;
    }
    try {
        for (int rang = 0; rang < nombreCopies; ++rang) {
            motDePasseDonne = Effacer_Mots_De_Passe(argv[rang]) || motDePasseDonne;
        }
    } catch (const std::bad_alloc&) {
        // Memory lacking this early: what is masked stays so, the program runs on its copy.
    }
}

[[gnu::used, gnu::section(".preinit_array")]] void (*Au_Demarrage)(int, char**,
                                                                   char**) = Masquer_Au_Demarrage;

}  // namespace

QStringList Lire_Arguments(int argc, char** argv, std::ostream& avertissements) {
    QStringList arguments;
    const bool copiees = nombreCopies == argc;
    for (int rang = 0; rang < argc; ++rang) {
        arguments.append(QString::fromLocal8Bit(copiees ? copies[rang] : argv[rang]));
    }
    if (motDePasseDonne) {
        avertissements << Avertissement << std::endl;
    }
    return arguments;
}

}  // namespace hote
