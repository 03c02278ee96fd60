#include "FluxFichierEntier.h"

namespace outils {

FluxFichierEntier::int_type FluxFichierEntier::overflow(int_type caractere) {
    if (!traits_type::eq_int_type(caractere, traits_type::eof())) {
        const char octet = traits_type::to_char_type(caractere);
        fichier_.Ecrire(std::string_view(&octet, 1));
    }
    return traits_type::not_eof(caractere);
}

std::streamsize FluxFichierEntier::xsputn(const char* octets, std::streamsize taille) {
    fichier_.Ecrire(std::string_view(octets, static_cast<std::size_t>(taille)));
    return taille;
}

}  // namespace outils
