#include "EntreesIndex.h"

#include <algorithm>
#include <vector>

#include "Contexte.h"
#include "Nombre.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

std::vector<std::string_view> valeursDistinctes(std::string_view cle, std::string_view donnees,
                                                int attribut) {
    const std::string_view texte = valeurAttribut({cle, donnees}, attribut);
    std::vector<std::string_view> valeurs = dba::decouper(texte, dba::MarqueValeur);
    if (valeurs.empty()) {
        valeurs.emplace_back();
    }
    std::sort(valeurs.begin(), valeurs.end());
    valeurs.erase(std::unique(valeurs.begin(), valeurs.end()), valeurs.end());
    return valeurs;
}

void lierEntree(Instruction& instruction, IdFichier fichier, int attribut, std::string_view cle,
                std::string_view valeur) {
    instruction.lier(1, fichier)
        .lier(2, static_cast<std::int64_t>(attribut))
        .lierOctets(3, valeur)
        .lierOctets(4, cle);
}

}  // namespace

EntreesIndex::EntreesIndex(Connexion& connexion)
    : ajout_(connexion.preparer("INSERT INTO entree(fichier, attribut, texte, cle, num, multiple) "
                                "VALUES (?1, ?2, ?3, ?4, ?5, ?6)")),
      retrait_(connexion.preparer(
          "DELETE FROM entree WHERE fichier = ?1 AND attribut = ?2 AND texte = ?3 AND cle = ?4")),
      vidage_(connexion.preparer("DELETE FROM entree WHERE fichier = ?1 AND attribut = ?2")) {}

void EntreesIndex::ajouter(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    const std::vector<std::string_view> valeurs = valeursDistinctes(cle, donnees, attribut);
    const std::int64_t multiple = valeurs.size() > 1 ? 1 : 0;
    for (const std::string_view valeur : valeurs) {
        Remise remise(ajout_);
        lierEntree(ajout_, fichier, attribut, cle, valeur);
        ajout_.lier(6, multiple);
        if (estNombre(valeur)) {
            ajout_.lier(5, valeurApprochee(valeur));
        } else {
            ajout_.lierNul(5);
        }
        ajout_.avancer();
    }
}

void EntreesIndex::retirer(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    for (const std::string_view valeur : valeursDistinctes(cle, donnees, attribut)) {
        Remise remise(retrait_);
        lierEntree(retrait_, fichier, attribut, cle, valeur);
        retrait_.avancer();
    }
}

void EntreesIndex::vider(IdFichier fichier, int attribut) {
    Remise remise(vidage_);
    vidage_.lier(1, fichier).lier(2, static_cast<std::int64_t>(attribut));
    vidage_.avancer();
}

}  // namespace mvdb
