#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Critere.h"
#include "Depot.h"

namespace mvdb {

// Where a selection finds its candidates: every record, a part of the primary key, or a
// part of one secondary index. Candidates may be a superset: every clause is checked on
// every candidate record.
struct Plan {
    enum class Source { Parcours, Cle, Index };
    Source source = Source::Parcours;
    int attribut = 0;
    std::optional<std::string> egal;
    std::optional<std::string> prefixe;
    std::optional<std::string> minimum;
    std::optional<std::string> maximum;
};

// The narrowest source the clauses allow: an equality, then a prefix or a closed range,
// then a half-open range; on the key or on an indexed attribute.
Plan choisirPlan(const std::vector<Critere>& criteres, const std::set<int>& attributsIndexes);

// The keys the plan's source gives, in byte order, each once.
std::vector<std::string> clesCandidates(const Depot& depot, IdFichier fichier, const Plan& plan);

}  // namespace mvdb
