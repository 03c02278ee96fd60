#pragma once

#include <memory>
#include <string>

#include "TableauListe.h"

namespace rapport {

// The list as CSV (RFC 4180): UTF-8 with a byte order mark, so that spreadsheet programs read
// the accents right; fields separated by semicolons, as French spreadsheet programs expect;
// lines ended by CR LF; a field holding a separator, a quote or a line end is quoted, its
// quotes doubled; a field that a spreadsheet program would take for a formula (beginning with
// =, +, -, @, a tab or a carriage return) begins with an apostrophe, before that quoting; the
// end date is written yyyy-mm-dd (ISO 8601), which spreadsheet programs of every language read
// as that date. A first line of column titles, then one line per row, written as the rows come.
// The file is replaced whole or not at all (outils::FichierEntier); a failure raises
// dba::Erreur.
std::unique_ptr<EcritureTableau> Ecrire_Csv(const std::string& fichier);

// One line of the file, line end included.
std::string Ligne_Csv(const std::vector<std::string>& champs);

}  // namespace rapport
