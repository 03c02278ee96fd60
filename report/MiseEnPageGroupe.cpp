#include "MiseEnPageGroupe.h"

#include "printer/Imprimante.h"

namespace rapport {

MiseEnPageGroupe::~MiseEnPageGroupe() {
    try {
        if (!Imprimante().DocumentVide()) {
            Imprimante().KillDoc();
        }
    } catch (...) {
    }
}

}  // namespace rapport
