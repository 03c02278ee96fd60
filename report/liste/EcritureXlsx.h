#pragma once

#include <memory>
#include <string>

#include "TableauListe.h"

namespace rapport {

// The list as a workbook. Sheet "Liste": the title, the month and the criteria of the run,
// then the column titles, frozen and with filters, and one row per line, the end date a real
// date cell; columns as wide as their texts. Sheet "Effectifs": the lines of each group and
// their total. Both print on A4 landscape, one page wide, their column titles repeated on every
// page, the list's title and month in the page header and "Page n sur N" in the footer. With a
// schedule (a range of months), a third sheet "Échéancier": the lines of each group month by
// month, the totals, and a column chart of the lines per month. The rows of "Liste" go to disk
// as they come; the other sheets are written once the walk is over. The file is replaced whole
// or not at all; a failure raises dba::Erreur.
std::unique_ptr<EcritureTableau> Ecrire_Xlsx(const std::string& fichier, const EnTeteListe& enTete);

}  // namespace rapport
