#include "JourInterne.h"

#include <chrono>

namespace demogen {

namespace {

using namespace std::chrono;

constexpr sys_days VeilleDuJour1{year{1967} / December / 31};

int versJourInterne(sys_days jour) {
    return static_cast<int>((jour - VeilleDuJour1).count());
}

}  // namespace

int jourInterne(int annee, int mois, int jour) {
    return versJourInterne(sys_days{year{annee} / month{static_cast<unsigned>(mois)} /
                                    day{static_cast<unsigned>(jour)}});
}

int dernierJourApresMois(int debut, int mois) {
    const year_month_day depart{VeilleDuJour1 + days{debut}};
    year_month_day arrivee = depart + months{mois};
    if (!arrivee.ok()) {
        // 31 January plus one month: the month after has no such day, so the period runs to
        // that month's last day.
        arrivee = year_month_day{arrivee.year() / arrivee.month() / last};
        return versJourInterne(sys_days{arrivee});
    }
    return versJourInterne(sys_days{arrivee}) - 1;
}

int premierJourDuMois(int annee, int mois) {
    const year_month debut = year{annee} / month{1} + months{mois - 1};
    return versJourInterne(sys_days{debut / day{1}});
}

}  // namespace demogen
