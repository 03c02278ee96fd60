#pragma once

#include <string>

#include <QString>

#include "CriteresListe.h"

namespace rapport {

// "MAI 2018": the month's full French name in capitals, a space, the year, as the form's period
// box shows it.
QString Libelle_Mois(int mois, int annee);

// The criteria of the month `decalage` months after the criteria's, across year ends; the rest
// unchanged.
CriteresListe Criteres_Du_Mois(const CriteresListe& criteres, int decalage);

// The `mois` months from the criteria's, as the run names its period: that month alone
// ("MAI 2018"), or the range ("DE MAI 2018 A JUILLET 2018").
QString Periode_Imprimee(const CriteresListe& premier, int mois);

// "05/18": the criteria's month as a column of the schedule names it.
std::string Mois_Abrege(const CriteresListe& criteres);

}  // namespace rapport
