#include "NomBase.h"

#include <regex>

namespace mvdb {

namespace {

constexpr std::string_view Masque = "*****";

bool estUri(std::string_view nom) {
    return nom.starts_with("postgresql://") || nom.starts_with("postgres://");
}

// The user information of a URI ends at the first '@' of its authority.
std::string masquerUri(std::string nom) {
    const std::size_t debut = nom.find("://") + 3;
    const std::size_t finAutorite = nom.find_first_of("/?", debut);
    const std::size_t arobase = nom.rfind('@', finAutorite);
    const std::size_t deuxPoints = nom.find(':', debut);
    if (arobase != std::string::npos && arobase >= debut && deuxPoints < arobase) {
        nom.replace(deuxPoints + 1, arobase - deuxPoints - 1, Masque);
    }
    // A password given as a query parameter.
    return std::regex_replace(nom, std::regex("([?&]password=)[^&]*"), "$1" + std::string(Masque));
}

}  // namespace

bool designeServeur(std::string_view nom) {
    static const std::regex motCle(R"((^|\s)(host|hostaddr|dbname|service|port|user)\s*=)");
    return estUri(nom) || std::regex_search(nom.begin(), nom.end(), motCle);
}

std::string nomAffichable(std::string_view nom) {
    if (estUri(nom)) {
        return masquerUri(std::string(nom));
    }
    if (!designeServeur(nom)) {
        return std::string(nom);
    }
    // password=value or password='quoted value', anywhere in a key=value string.
    static const std::regex motDePasse(R"((password\s*=\s*)('(\\.|[^'])*'|\S*))");
    return std::regex_replace(std::string(nom), motDePasse, "$1" + std::string(Masque));
}

}  // namespace mvdb
