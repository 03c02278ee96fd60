#pragma once

#include <string>
#include <vector>

// The list of agreements not renewed computed without the control: one hand-written SQL query
// on the engine's tables of the database file, the dynamic arrays decoded by a function of
// the query, for a legal entity and a month, every manager, sorted by manager then by name.
struct LigneDirecte {
    // Manager code, and the lines of its group block.
    std::string groupe;
    std::vector<std::string> bloc;
    // The detail line as the list prints it.
    std::string detail;
};

std::vector<LigneDirecte> listeSqlDirecte(const std::string& chemin, const std::string& entite,
                                          int annee, int mois);
