#pragma once

#include <QDate>
#include <cstdint>

namespace outils {

// The database numbers days from 1 January 1968 (day 1); 1 January 2000 is day 11689, and
// days before 1968 have zero or negative numbers.
std::int64_t jourInterne(const QDate& date);
// The calendar day of a number; invalid when it falls outside the years 1 to 9999.
QDate dateDuJour(std::int64_t jour);

}  // namespace outils
