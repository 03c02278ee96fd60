#include "Nombre.h"

#include <charconv>
#include <cmath>

namespace mvdb {

namespace {

bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

bool queDesChiffres(std::string_view texte) {
    if (texte.empty()) {
        return false;
    }
    for (const char c : texte) {
        if (!estChiffre(c)) {
            return false;
        }
    }
    return true;
}

// A number split into sign, whole part without leading zeros and decimals without trailing
// zeros; zero is always positive.
struct Decimal {
    bool negatif = false;
    std::string_view entier;
    std::string_view decimales;
};

Decimal decomposer(std::string_view nombre) {
    Decimal d;
    if (nombre.front() == '-' || nombre.front() == '+') {
        d.negatif = nombre.front() == '-';
        nombre.remove_prefix(1);
    }
    const std::size_t point = nombre.find('.');
    d.entier = nombre.substr(0, point);
    if (point != std::string_view::npos) {
        d.decimales = nombre.substr(point + 1);
    }
    while (!d.entier.empty() && d.entier.front() == '0') {
        d.entier.remove_prefix(1);
    }
    while (!d.decimales.empty() && d.decimales.back() == '0') {
        d.decimales.remove_suffix(1);
    }
    if (d.entier.empty() && d.decimales.empty()) {
        d.negatif = false;
    }
    return d;
}

int signe(int valeur) {
    return (valeur > 0) - (valeur < 0);
}

int comparerValeursAbsolues(const Decimal& a, const Decimal& b) {
    if (a.entier.size() != b.entier.size()) {
        return a.entier.size() < b.entier.size() ? -1 : 1;
    }
    if (const int c = a.entier.compare(b.entier); c != 0) {
        return signe(c);
    }
    return signe(a.decimales.compare(b.decimales));
}

}  // namespace

bool estNombre(std::string_view texte) {
    if (!texte.empty() && (texte.front() == '-' || texte.front() == '+')) {
        texte.remove_prefix(1);
    }
    const std::size_t point = texte.find('.');
    if (point == std::string_view::npos) {
        return queDesChiffres(texte);
    }
    return queDesChiffres(texte.substr(0, point)) && queDesChiffres(texte.substr(point + 1));
}

int comparerNombres(std::string_view a, std::string_view b) {
    const Decimal da = decomposer(a);
    const Decimal db = decomposer(b);
    if (da.negatif != db.negatif) {
        return da.negatif ? -1 : 1;
    }
    const int absolue = comparerValeursAbsolues(da, db);
    return da.negatif ? -absolue : absolue;
}

double valeurApprochee(std::string_view nombre) {
    if (nombre.front() == '+') {
        nombre.remove_prefix(1);
    }
    double valeur = 0;
    const auto [fin, erreur] =
        std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur);
    if (erreur == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large must still sort beyond every finite value.
        const Decimal d = decomposer(nombre);
        const double limite = d.entier.empty() ? 0.0 : HUGE_VAL;
        return d.negatif ? -limite : limite;
    }
    return valeur;
}

std::optional<double> valeurSiNombre(std::string_view texte) {
    if (!estNombre(texte)) {
        return std::nullopt;
    }
    return valeurApprochee(texte);
}

}  // namespace mvdb
