#include "EntreesIndex.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "Contexte.h"
#include "Nombre.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

// Changes held back at most: a run this long costs a few tens of megabytes, and the store
// sweeps its index once per run.
constexpr std::size_t ChangementsParPassage = 200000;

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

}  // namespace

void EntreesIndex::ajouter(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    changer(fichier, attribut, cle, donnees, true);
}

void EntreesIndex::retirer(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees) {
    changer(fichier, attribut, cle, donnees, false);
}

void EntreesIndex::changer(IdFichier fichier, int attribut, std::string_view cle,
                           std::string_view donnees, bool ajout) {
    const std::vector<std::string_view> valeurs = valeursDistinctes(cle, donnees, attribut);
    const bool multiple = valeurs.size() > 1;
    for (const std::string_view valeur : valeurs) {
        changements_.push_back({fichier, attribut, std::string(valeur), std::string(cle),
                                valeurSiNombre(valeur), multiple, ajout});
    }
    if (changements_.size() >= ChangementsParPassage) {
        envoyer();
    }
}

void EntreesIndex::vider(IdFichier fichier, int attribut) {
    std::erase_if(changements_, [&](const Changement& changement) {
        return changement.fichier == fichier && changement.attribut == attribut;
    });
    depot_.viderEntrees(fichier, attribut);
}

// An entry is removed only while it is stored, so a run of changes that starts with a removal
// finds the entry stored, and one that starts with an addition finds it absent.
void EntreesIndex::appliquer(const Changement& premier, const Changement& dernier) {
    if (!premier.ajout) {
        depot_.retirerEntree(premier.fichier, premier.attribut, premier.cle, premier.valeur);
    }
    if (dernier.ajout) {
        depot_.ajouterEntree({dernier.fichier, dernier.attribut, dernier.cle, dernier.valeur,
                              dernier.nombre, dernier.multiple});
    }
}

void EntreesIndex::envoyer() {
    const auto designation = [](const Changement& changement) {
        return std::tie(changement.fichier, changement.attribut, changement.valeur, changement.cle);
    };
    // In the store's order of entries (file, attribute, value, key, byte-wise); the changes of
    // one entry keep their order.
    std::stable_sort(
        changements_.begin(), changements_.end(),
        [&](const Changement& a, const Changement& b) { return designation(a) < designation(b); });
    for (auto debut = changements_.begin(); debut != changements_.end();) {
        auto fin = std::find_if(debut, changements_.end(), [&](const Changement& changement) {
            return designation(changement) != designation(*debut);
        });
        appliquer(*debut, *(fin - 1));
        debut = fin;
    }
    changements_.clear();
}

}  // namespace mvdb
