#include "JourInterne.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace outils {

namespace {
// Day 0 of the numbering.
const QDate Origine(1967, 12, 31);
constexpr int PremiereAnnee = 1;
constexpr int DerniereAnnee = 9999;

// A whole number of days as the database compares numbers: an optional sign, digits and
// an optional decimal part of zeros ("21690", "+21690", "21690.0" are the same day). Read by
// hand: a list converts one date per line.
std::optional<std::int64_t> lireNombre(std::string_view texte) {
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    std::string_view entier = texte;
    if (const auto point = texte.find('.'); point != std::string_view::npos) {
        const std::string_view decimales = texte.substr(point + 1);
        if (decimales.empty() || decimales.find_first_not_of('0') != std::string_view::npos) {
            return std::nullopt;
        }
        entier = texte.substr(0, point);
    }
    const bool signe = !entier.empty() && (entier.front() == '+' || entier.front() == '-');
    const std::string_view chiffres = entier.substr(signe ? 1 : 0);
    if (chiffres.empty() || !std::all_of(chiffres.begin(), chiffres.end(), chiffre)) {
        return std::nullopt;
    }
    const char* debut = entier.data() + (entier.front() == '+' ? 1 : 0);
    const char* fin = entier.data() + entier.size();
    std::int64_t nombre = 0;
    const auto [arret, erreur] = std::from_chars(debut, fin, nombre);
    if (erreur != std::errc() || arret != fin) {
        return std::nullopt;
    }
    return nombre;
}
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

QDate dateDuTexte(std::string_view jour) {
    const auto nombre = lireNombre(jour);
    return nombre ? dateDuJour(*nombre) : QDate();
}

}  // namespace outils
