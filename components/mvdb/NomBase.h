#pragma once

#include <string>
#include <string_view>

namespace mvdb {

// A database is named by one text everywhere (control, tools, demo host, benchmarks): a file
// path names the embedded SQLite file; a postgresql:// (or postgres://) URI, or a key=value
// connection string ("host=... dbname=..."), names a database on a PostgreSQL server.
bool designeServeur(std::string_view nom);

// The name as messages may show it: every password it holds (see MotDePasse.h) masked.
std::string nomAffichable(std::string_view nom);

}  // namespace mvdb
