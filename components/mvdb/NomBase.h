#pragma once

#include <string>
#include <string_view>

namespace mvdb {

// A database is named by one text everywhere (control, tools, demo host, benchmarks): a file
// path names the embedded SQLite file; a postgresql:// (or postgres://) URI, or a key=value
// connection string (any keyword of the client library given a value: "host=... dbname=...",
// "service=...", a lone "password=..."), names a database on a PostgreSQL server. A text
// meant as a server's URI but misspelled ("POSTGRESQL://", "postgresql:/", another scheme) is
// neither: taken for a file, it would make a file named after its password.
enum class GenreNom { Fichier, Serveur, AdresseMalEcrite };
// Runs before any constructor of static life (the programs mask their arguments from
// .preinit_array): it, and all it calls, may use constant data only, never an object of static
// life that needs constructing (a C++ stream, a std::locale or a static std::regex among them).
GenreNom genreNom(std::string_view nom);

// Whether the name designates a server database; a misspelled address is refused
// (dba::ErrNomBase, the name shown without its password).
bool designeServeur(std::string_view nom);

// The name as messages may show it: every password it holds (see MotDePasse.h) masked.
std::string nomAffichable(std::string_view nom);

}  // namespace mvdb
