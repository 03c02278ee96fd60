#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QDate>

#include "liste/DecisionAccord.h"

namespace rapport {

// Where a walk of the selected agreements stands; each walk starts afresh. Wide counters, so
// that no list is ever too long to be printed whole.
struct EtatCopie {
    // The month walked: the date of its first day.
    QDate mois;
    // The current row of the selected agreements, from 1.
    std::int64_t rangee = 1;
    // The group of the last line listed; none before the first.
    std::optional<std::string> groupe;
    // The decision on the current row's agreement, rule by rule.
    DecisionAccord decision;
    // The row whose aided person Enr_CivilAide holds (0: none of this copy), and whether that
    // person's record is on file.
    std::int64_t rangeeAideLue = 0;
    bool aideTrouvee = false;
    // The agreements announced to the database so far for a row's person: the row, the last
    // number announced with the batch of rows and the last one in all.
    std::int64_t rangeeAnnoncee = 0;
    int annonceAvecLeLot = 0;
    int annonce = 0;
};

}  // namespace rapport
