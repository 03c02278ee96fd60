#include "ChoixImprimanteScripte.h"

#include <utility>

namespace imprimante {

ChoixImprimanteScripte::ChoixImprimanteScripte(std::optional<Choix> reponse)
    : reponse_(std::move(reponse)) {}

std::optional<Choix> ChoixImprimanteScripte::Choisir(const Imprimantes&, const std::string& format,
                                                     const std::string& nomDocument) {
    formats_.push_back(format);
    documents_.push_back(nomDocument);
    auto choix = reponse_;
    if (choix) {
        choix->reglages.format = format;
    }
    return choix;
}

}  // namespace imprimante
