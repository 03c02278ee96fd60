#include "ImprimanteEnregistree.h"

namespace imprimante {

void ImprimanteEnregistree::Envoyer(const Document& document) {
    documents_.push_back({document, Sort::Envoye});
}

void ImprimanteEnregistree::Abandonner(const Document& document) {
    documents_.push_back({document, Sort::Abandonne});
}

}  // namespace imprimante
