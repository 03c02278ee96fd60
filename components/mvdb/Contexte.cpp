#include "Contexte.h"

#include "dba/TableauDynamique.h"

namespace mvdb {

std::string_view valeurAttribut(const EnregCourant& enreg, int attribut) {
    if (attribut == 0) {
        return enreg.cle;
    }
    return dba::partie(enreg.donnees, dba::MarqueAttribut, attribut);
}

std::string Contexte::traduire(IdFichier fichier, const std::string& cle, int attribut) {
    auto trouve = lus_.find({fichier, cle});
    if (trouve == lus_.end()) {
        // A missing record reads like an empty one: every attribute empty.
        trouve =
            lus_.emplace(std::pair{fichier, cle}, depot_.lire(fichier, cle).value_or("")).first;
    }
    return std::string(valeurAttribut({trouve->first.second, trouve->second}, attribut));
}

}  // namespace mvdb
