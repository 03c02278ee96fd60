// Each line of the input defines an I item of DICT AIDE (I0, I1, ... so that items may name
// each other); I0 is then evaluated on every record. Compiled and evaluated, or refused with
// the engine's own error.
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzCommun.h"
#include "dba/Erreur.h"

namespace {

mvdb::Base& base() {
    static mvdb::Base base = [] {
        mvdb::Base nouvelle = fuzz::baseNeuve("expression.db");
        fuzz::importer(nouvelle, fuzz::ligne("AIDE", "0000100", {"Été", "dupont"}) +
                                     fuzz::ligne("AIDE", "0000200", {"Noël", "durand"}) +
                                     fuzz::ligne("PERSONNE", "00001", {"JEAN", "x"}));
        return nouvelle;
    }();
    return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* octets, std::size_t taille) {
    std::istringstream lignes(std::string(reinterpret_cast<const char*>(octets), taille));
    std::string items;
    std::string definition;
    for (int numero = 0; std::getline(lignes, definition); ++numero) {
        try {
            items += fuzz::ligne("DICT AIDE", "I" + std::to_string(numero), {"I", definition});
        } catch (const std::exception&) {
            return 0;  // not UTF-8: no line can carry it
        }
    }
    try {
        fuzz::importer(base(), items);
        base().selectionner("SSELECT AIDE", "0 I0");
    } catch (const dba::Erreur&) {
    }
    return 0;
}
