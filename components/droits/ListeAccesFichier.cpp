#include "ListeAccesFichier.h"

namespace droits {

ListeAccesFichier::ListeAccesFichier(std::shared_ptr<dba::TheDatabase> base,
                                     SecteursAutorises secteurs)
    : base_(std::move(base)), secteurs_(std::move(secteurs)) {}

void ListeAccesFichier::InitialiserListe() {
    W_Liste.Clear();
    if (secteurs_.Tous()) {
        return;
    }
    const dba::Requete requete({"SSELECT CIVILAIDE", "CIVILAIDE", "0 40"});
    std::string sortie;
    dba::ListeResultat aides;
    base_->ExecuterSelection(requete.texte(), std::string(), sortie, aides);
    for (int ligne = 1; ligne <= aides.DCount(); ++ligne) {
        if (!secteurs_.Autorise(aides(ligne, 2).substr(0, 3))) {
            W_Liste.Add(aides(ligne, 1));
        }
    }
}

}  // namespace droits
