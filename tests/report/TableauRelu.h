#pragma once

#include <QString>
#include <string>
#include <vector>

namespace essai {

using Rangees = std::vector<std::vector<std::string>>;

// The fields of a CSV file written by the list: the byte order mark checked and dropped,
// semicolons, quoted fields with doubled quotes, CR LF line ends.
Rangees Lire_Csv(const std::string& fichier);
// A date of the CSV, "yyyy-mm-dd", as the page prints it ("dd/mm/yyyy"); a failure of the test
// and an empty text when it is not a date written that way.
std::string Date_Csv_Sur_La_Page(const std::string& date);

// The rows of a sheet (1, 2, ...) of a workbook, read from its XML: a text cell as its text, a
// date cell as "dd/mm/yyyy", a number as written; missing cells are empty.
Rangees Lire_Feuille_Xlsx(const std::string& fichier, int feuille);
// The XML of that sheet, as stored.
std::string Xml_Feuille_Xlsx(const std::string& fichier, int feuille);
// The page header a spreadsheet program prints at the top of each page of that sheet, as the
// sheet's setup gives it ("&C" and the centred text).
std::string En_Tete_Xlsx(const std::string& fichier, int feuille);
// The XML of one part of a workbook ("xl/workbook.xml"), as stored.
std::string Xml_Xlsx(const std::string& fichier, const QString& partie);

}  // namespace essai
