#include "PhraseSelection.h"

namespace rapport {

std::string Texte_Condition(const PartieSelection& condition) {
    return condition.attribut + " " + condition.operateur + " \"" + condition.valeur + "\"";
}

std::string Phrase_Accords(const std::vector<PartieSelection>& parties) {
    std::string phrase = "SSELECT ACCORD";
    bool premiere = true;
    for (const PartieSelection& partie : parties) {
        if (partie.genre == PartieSelection::Genre::Tri) {
            phrase += " PAR " + partie.attribut;
            continue;
        }
        phrase += (premiere ? " AVEC " : " AND AVEC ") + Texte_Condition(partie);
        premiere = false;
    }
    return phrase;
}

}  // namespace rapport
