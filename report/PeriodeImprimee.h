#pragma once

#include <string>

#include <QDate>
#include <QString>

namespace rapport {

// The names of the months, as the form and the report write them. A month is the date of its
// first day.

// "MAI 2018": the month's full French name in capitals, a space, the year, as the form's period
// box shows it; empty for no month.
QString Libelle_Mois(const QDate& mois);

// The `nombre` months from `premier`, as the run names its period: that month alone
// ("MAI 2018"), or the range ("DE MAI 2018 A JUILLET 2018").
QString Periode_Imprimee(const QDate& premier, int nombre);

// "05/18": the month as a column of the schedule names it.
std::string Mois_Abrege(const QDate& mois);

// "2018-05": the month as the names of the files write it.
QString Mois_Fichier(const QDate& mois);

}  // namespace rapport
