#include "Commandes.h"

namespace dbtool {

const std::vector<Commande>& commandes() {
    static const std::vector<Commande> liste{
        {"create", "crée une base vide", commandeCreate},
        {"import", "importe des enregistrements JSON Lines, tous ou aucun", commandeImport},
        {"export", "exporte toute la base en JSON Lines", commandeExport},
        {"select", "exécute une phrase de sélection et affiche les lignes", commandeSelect},
        {"read", "affiche un enregistrement", commandeRead},
        {"index", "déclare et construit un index, ou le reconstruit", commandeIndex},
        {"demo", "crée une base de démonstration", commandeDemo},
        {"copy", "copie toute une base dans une base nouvelle, tout ou rien", commandeCopy},
        {"delais", "affiche ou fixe le délai de renouvellement des organismes", commandeDelais},
    };
    return liste;
}

}  // namespace dbtool
