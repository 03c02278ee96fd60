#pragma once

#include <QDate>
#include <cstdint>
#include <string_view>

namespace outils {

// The database numbers days from 1 January 1968 (day 1); 1 January 2000 is day 11689, and
// days before 1968 have zero or negative numbers.
std::int64_t jourInterne(const QDate& date);
// The calendar day of a number; invalid when it falls outside the years 1 to 9999.
QDate dateDuJour(std::int64_t jour);
// The calendar day of a day number as stored ("21690", "+21690", "21690.0"); invalid when the
// text is no whole number of days or the day falls outside those years.
QDate dateDuTexte(std::string_view jour);

}  // namespace outils
