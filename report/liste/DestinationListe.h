#pragma once

#include <string>

#include "DecisionAccord.h"

namespace rapport {

// Where the print run sends the list it decides. The run walks the selected agreements once
// and tells every destination the same story: a group begins, a line of that group, and for
// every agreement, listed or not, its decision. The page layout, the table files and the
// explanation are destinations, so none of them can decide differently from another.
class DestinationListe {
  public:
    virtual ~DestinationListe() = default;

    // The lines that follow belong to that group (manager, sector or commune code).
    virtual void Debut_Groupe(const std::string& groupe) = 0;
    virtual void Ligne(const LigneListe& ligne) = 0;
    // Sent after the agreement's line, when it has one.
    virtual void Decision(const DecisionAccord& decision) = 0;
    // The walk of one copy is over.
    virtual void Fin_Liste() = 0;
};

}  // namespace rapport
