// One interchange line: refused with a French reason, or read; a line read is written back
// and read again to the same record.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "mvdb/Interchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(octets), taille);
    mvdb::LigneEchange ligne;
    try {
        ligne = mvdb::lireLigneEchange(texte);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    const mvdb::LigneEchange relue =
        mvdb::lireLigneEchange(mvdb::ecrireLigneEchange(ligne.fichier, ligne.cle, ligne.donnees));
    if (relue.fichier != ligne.fichier || relue.cle != ligne.cle ||
        relue.donnees != ligne.donnees) {
        std::abort();
    }
    return 0;
}
