#pragma once

#include <set>
#include <string>
#include <vector>

#include "Depot.h"

namespace mvdb {

// Secondary indexes, declared on a D item or a bare attribute number and kept on the
// attribute number, so that every name of one attribute shares one index.

std::set<int> attributsIndexes(const Depot& depot, IdFichier fichier);

// Builds the entries of one indexed attribute from the file's records, inside the caller's
// write transaction.
void construireIndex(Depot& depot, IdFichier fichier, int attribut);

// Declares the index (if new) and builds it, in one transaction.
void declarerIndex(Depot& depot, const std::string& fichier, const std::string& item);
// Raises ErrArgument when no index was declared under that name.
void reconstruireIndex(Depot& depot, const std::string& fichier, const std::string& item);
std::vector<std::string> listerIndex(const Depot& depot, const std::string& fichier);

}  // namespace mvdb
