#include "LimiteDeTaille.h"

#include <csignal>

namespace hote {

void Ecrire_Sous_Limite_De_Taille() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace hote
