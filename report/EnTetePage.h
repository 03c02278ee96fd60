#pragma once

#include <cstdint>

#include <QDate>

namespace imprimante {
class Imprimante;
}

namespace rapport {

// The top of every page of the report, the list's and the schedule's, at the font in use: two
// blank lines, the day's date at the left and the page's number at the right, two blank lines.
void Ecrire_Date_Et_Page(imprimante::Imprimante& imprimante, const QDate& aujourdhui,
                         std::int64_t page);

}  // namespace rapport
