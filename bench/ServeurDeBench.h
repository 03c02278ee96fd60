#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The benchmark databases on a PostgreSQL server, when ARDOINE_BENCH_SERVEUR names one: a
// libpq key=value string (not a URI: the database name is appended to it) for a role that
// may create databases. bench/serveur-bench.sh starts such a server.

// The connection string, if any.
std::optional<std::string> serveurDeBench();

// The connection string of the server database `base`, whatever database the variable names.
std::string baseDuServeur(const std::string& serveur, const std::string& base);

// Drops the server database `base` if it exists and creates it empty.
void recreerBaseServeur(const std::string& serveur, const std::string& base);

// The records of a database of ours on the server.
std::int64_t enregistrementsServeur(const std::string& nom);

// The server copy of baseDeBench(taille), made with `copy` the first time it is asked for.
std::string baseServeurDeBench(const std::string& serveur, const std::string& taille);

// The benchmark database of that size in a SQLite file or, with `surServeur`, its server
// copy; nothing when no server is named.
std::optional<std::string> baseDeMesure(const std::string& taille, bool surServeur);
