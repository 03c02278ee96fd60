#pragma once

#include <vector>

#include "CriteresListe.h"
#include "liste/PhraseSelection.h"

namespace rapport {

// The parts of the sentence that selects the agreements of the criteria that end in `mois`
// (the date of its first day): those of the legal entity, the activity, the group and the
// funding body, sorted by group when no group is given, then by the aided person's name.
std::vector<PartieSelection> Parties_Selection(const CriteresListe& criteres, const QDate& mois);

}  // namespace rapport
