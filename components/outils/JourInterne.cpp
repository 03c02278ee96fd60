#include "JourInterne.h"

namespace outils {

namespace {
// Day 0 of the numbering.
const QDate Origine(1967, 12, 31);
constexpr int PremiereAnnee = 1;
constexpr int DerniereAnnee = 9999;
}  // namespace

std::int64_t jourInterne(const QDate& date) {
    return Origine.daysTo(date);
}

QDate dateDuJour(std::int64_t jour) {
    const auto date = Origine.addDays(jour);
    if (!date.isValid() || date.year() < PremiereAnnee || date.year() > DerniereAnnee) {
        return {};
    }
    return date;
}

}  // namespace outils
