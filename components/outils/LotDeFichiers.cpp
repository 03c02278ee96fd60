#include "LotDeFichiers.h"

#include <unistd.h>

namespace outils {

std::vector<std::string> Ecrire_Lot(const std::vector<FichierDuLot>& fichiers) {
    std::vector<std::string> ecrits;
    try {
        for (const FichierDuLot& fichier : fichiers) {
            fichier.ecrire();
            ecrits.push_back(fichier.chemin);
        }
    } catch (...) {
        for (const std::string& chemin : ecrits) {
            ::unlink(chemin.c_str());
        }
        throw;
    }
    return ecrits;
}

}  // namespace outils
