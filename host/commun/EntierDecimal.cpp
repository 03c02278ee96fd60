#include "EntierDecimal.h"

#include <charconv>

namespace hote {

std::optional<std::uint64_t> Entier_Decimal(std::string_view texte) {
    const char* fin = texte.data() + texte.size();
    std::uint64_t valeur = 0;
    // from_chars takes neither spaces nor a sign, and says where it stopped.
    const auto [arret, erreur] = std::from_chars(texte.data(), fin, valeur);
    if (erreur != std::errc() || arret != fin) {
        return std::nullopt;
    }
    return valeur;
}

}  // namespace hote
