#include "PeripheriqueFichierEntier.h"

#include <string_view>

namespace outils {

PeripheriqueFichierEntier::PeripheriqueFichierEntier(FichierEntier& fichier) : fichier_(fichier) {
    open(QIODevice::WriteOnly);
}

void PeripheriqueFichierEntier::Terminer() {
    close();
    if (echec_) {
        std::rethrow_exception(echec_);
    }
    fichier_.Terminer();
}

qint64 PeripheriqueFichierEntier::readData(char*, qint64) {
    return -1;
}

qint64 PeripheriqueFichierEntier::writeData(const char* octets, qint64 taille) {
    if (echec_) {
        return -1;
    }
    try {
        fichier_.Ecrire(std::string_view(octets, static_cast<std::size_t>(taille)));
    } catch (...) {
        echec_ = std::current_exception();
        return -1;
    }
    return taille;
}

}  // namespace outils
