#include "Document.h"

#include <algorithm>
#include <iterator>

namespace imprimante {

namespace {

std::vector<Operation> selection(const std::vector<Operation>& operations, auto garder) {
    std::vector<Operation> resultat;
    std::copy_if(operations.begin(), operations.end(), std::back_inserter(resultat), garder);
    return resultat;
}

}  // namespace

std::vector<Operation> Document::operationsDeLaPage(int page) const {
    return selection(operations, [page](const Operation& o) { return o.page == page; });
}

std::vector<Operation> Document::textes(int page) const {
    return selection(operations, [page](const Operation& o) {
        return o.page == page && o.genre == Genre::Texte;
    });
}

std::vector<Operation> Document::traits(int page) const {
    return selection(operations, [page](const Operation& o) {
        return o.page == page && o.genre == Genre::Trait;
    });
}

}  // namespace imprimante
