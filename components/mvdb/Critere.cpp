#include "Critere.h"

#include "Comparaison.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

// A prefix value is compared on text only: it matches what begins with it, and for a
// bound, what lies on the right side of it or begins with it.
bool satisfaitPrefixe(const Critere& critere, std::string_view valeur) {
    const bool commence = valeur.starts_with(critere.valeur);
    switch (critere.operateur) {
        case Operateur::Egal:
            return commence;
        case Operateur::Different:
            return !commence;
        case Operateur::SuperieurOuEgal:
            return commence || valeur > std::string_view(critere.valeur);
        case Operateur::InferieurOuEgal:
            return commence || valeur < std::string_view(critere.valeur);
    }
    return false;
}

bool satisfaitExacte(const Critere& critere, std::string_view valeur) {
    const int ordre = comparerValeurs(valeur, critere.valeur);
    switch (critere.operateur) {
        case Operateur::Egal:
            return ordre == 0;
        case Operateur::Different:
            return ordre != 0;
        case Operateur::SuperieurOuEgal:
            return ordre >= 0;
        case Operateur::InferieurOuEgal:
            return ordre <= 0;
    }
    return false;
}

bool valeurSatisfait(const Critere& critere, std::string_view valeur) {
    return critere.prefixe ? satisfaitPrefixe(critere, valeur) : satisfaitExacte(critere, valeur);
}

}  // namespace

bool satisfait(const Critere& critere, std::string_view valeurAttribut) {
    if (valeurAttribut.empty()) {
        return valeurSatisfait(critere, valeurAttribut);
    }
    for (const std::string_view valeur : dba::decouper(valeurAttribut, dba::MarqueValeur)) {
        if (valeurSatisfait(critere, valeur)) {
            return true;
        }
    }
    return false;
}

}  // namespace mvdb
