#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include "Depot.h"

namespace mvdb {

// One line of the interchange format: {"file":F,"id":K,"record":[attribute 1, ...]}.
struct LigneEchange {
    std::string fichier;
    std::string cle;
    std::string donnees;  // the dynamic array, trailing empty attributes left out
};

// Raises std::invalid_argument with a French reason (the caller adds the line number) on
// invalid JSON, a missing or unknown field, an empty key, a mark byte inside a text or a
// wrong type.
LigneEchange lireLigneEchange(std::string_view ligne);
// Every attribute as a string, or as a list of values when it has several values or
// subvalues; a value with subvalues as a list of them. Raises std::invalid_argument when a
// text is not UTF-8.
std::string ecrireLigneEchange(const std::string& fichier, std::string_view cle,
                               std::string_view donnees);

// All or nothing, in one transaction; raises ErrImport "ligne N : raison".
void importer(Depot& depot, std::istream& lignes);
// Files by name, records by key, in one read transaction.
void exporter(const Depot& depot, std::ostream& lignes);

}  // namespace mvdb
