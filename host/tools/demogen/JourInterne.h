#pragma once

namespace demogen {

// The database's date form: one whole number per calendar day, day 1 being 1 January 1968.
int jourInterne(int annee, int mois, int jour);
// The last day of an agreement that starts on `debut` and runs for `mois` whole months.
int dernierJourApresMois(int debut, int mois);
// The first day of month `mois` of `annee`; a month past 12 runs on into the next years.
int premierJourDuMois(int annee, int mois);

}  // namespace demogen
