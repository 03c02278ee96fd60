#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CriteresListe.h"
#include "liste/DecisionAccord.h"
#include "printer/Destination.h"

namespace imprimante {
class Imprimante;
}

namespace rapport {

// Where a walk of the selected agreements stands; each copy walks them afresh. Wide counters,
// so that no list is ever too long to be printed whole.
struct EtatCopie {
    // The current row of the selected agreements, from 1.
    std::int64_t rangee = 1;
    // The page being printed and the lines it holds.
    std::int64_t page = 1;
    std::int64_t ligne = 0;
    // The group of the last line listed; none before the first.
    std::optional<std::string> groupe;
    // Whether the copy's first page is started.
    bool commencee = false;
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

// The state of one print run, from the click to the last copy, set afresh at each click.
struct EtatImpression {
    // With more than one month, the criteria's month is that of the month being selected or
    // walked, the first one between the walks.
    CriteresListe criteres;
    // The months the run prints, from the criteria's month at the click, and the whole period
    // as the run names it: the month ("MAI 2018"), or the range ("DE JUIN 2026 A AOUT 2026").
    int moisImprimes = 1;
    QString periodeImprimee;
    // What the user chose to print on, and the printer when it is one.
    imprimante::Destination destination;
    // Its index in the printer collection.
    std::int32_t entree = -1;
    std::shared_ptr<imprimante::Imprimante> imprimante;
    // Whether a line was printed, or the table file written.
    bool ligneImprimee = false;
    // Whether the walk under way is the run's last: a range keeps its months' selections for
    // the copies still to walk them.
    bool derniereCopie = true;
    // The files the run wrote, in order.
    std::vector<std::string> fichiersEcrits;
    EtatCopie copie;
};

}  // namespace rapport
