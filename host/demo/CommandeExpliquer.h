#pragma once

#include <iosfwd>

#include "CommandeImprimer.h"
#include "Options.h"

namespace demo {

// The "explique" command: the list of the criteria of "print" is printed as "print" would,
// on a printer that only records, and for every agreement of the person (--aide, or only
// --accord) the explanation says each rule, its outcome and the records involved, in French
// or as JSON (--json), on `sortie`. Errors are written to `messages`; the status is that of
// an error of "print" (EchecImpression), or ListeImprimee once explained.
SortieImpression Commande_Expliquer(const Options& options, std::ostream& sortie,
                                    std::ostream& messages);

}  // namespace demo
