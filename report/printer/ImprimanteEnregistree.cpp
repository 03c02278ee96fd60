#include "ImprimanteEnregistree.h"

namespace imprimante {

void ImprimanteEnregistree::Envoyer(const PagesImprimees& pages) {
    documents_.push_back({pages.Tout(), Sort::Envoye});
}

void ImprimanteEnregistree::Abandonner(const PagesImprimees& pages) {
    documents_.push_back({pages.Tout(), Sort::Abandonne});
}

}  // namespace imprimante
