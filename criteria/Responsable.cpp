#include "Ctr_Ardoine.h"
#include "dba/Erreur.h"

void Ctr_Ardoine::Remplir_Responsable() {
    Remplir_RespSect(Liste_Responsable, "SSELECT RESPONSABLE PAR 1", "RESPONSABLE");
}

// The manager and sector lists are read once and kept; a list that reads as empty is read
// again. A failed read is not reported: the list box then stays empty, and the next switch to
// this list tries again.
void Ctr_Ardoine::Remplir_RespSect(std::optional<dba::ListeResultat>& liste, const char* phrase,
                                   const char* fichier) {
    if (!liste || liste->texte().empty()) {
        try {
            liste = Lire_Selection(phrase, fichier);
        } catch (const dba::Erreur&) {
        }
    }
    Cbo_RespSect->Vider();
    if (liste) {
        Ajouter_Libelles(*Cbo_RespSect, *liste);
    }
}
