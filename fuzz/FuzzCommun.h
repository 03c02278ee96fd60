#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "mvdb/Base.h"

namespace fuzz {

// A folder of the process's own, removed at exit.
const std::filesystem::path& dossier();

// A new empty database in that folder under the name given, replacing any earlier one.
mvdb::Base baseNeuve(const std::string& nom);

// Imports JSON Lines given as one text; raises on a refused line like Base::importer.
void importer(mvdb::Base& base, const std::string& lignes);

// One interchange line: file, key and attributes as texts.
std::string ligne(const std::string& fichier, const std::string& cle,
                  const std::vector<std::string>& attributs);

}  // namespace fuzz
