#pragma once

#include <QDate>

#include "liste/Echeancier.h"
#include "liste/TableauListe.h"
#include "printer/Document.h"

namespace rapport {

// The schedule of a range of months as printed pages, in front of the months' own: headed
// "ECHEANCIER" with the period, the criteria and the user, the total, a bar chart of the lines
// per month, then the lines of each group month by month (groups down, twelve months across at
// most, a further band below for the months after), continued on as many pages as the groups
// need, each headed again. Drawn with the printer's own texts and lines, at the report's font;
// the pages are numbered from 1 and dated `aujourdhui`.
imprimante::Document Pages_Echeancier(const Echeancier& echeancier, const EnTeteListe& enTete,
                                      const QDate& aujourdhui);

}  // namespace rapport
