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
GenreNom genreNom(std::string_view nom);

// Whether the name designates a server database; a misspelled address is refused
// (dba::ErrNomBase, the name shown without its password).
bool designeServeur(std::string_view nom);

// The name as messages may show it: every password it holds (see MotDePasse.h) masked.
std::string nomAffichable(std::string_view nom);

}  // namespace mvdb
