#include "Ctr_ArdoinePrivate.h"
#include "dba/Erreur.h"

// Rows are counted in full integers: a search that finds every commune lists them all.
dba::ListeResultat Ctr_ArdoinePrivate::Executer_Selection(const dba::Requete& requete) {
    std::string sortie;
    dba::ListeResultat lignes;
    Module.Base().ExecuterSelection(requete.texte(), std::string(), sortie, lignes);
    return lignes;
}

// A list box's labels come from one selection whose rows are the key (column 1) and the label
// (column 2), in the order of its sort clause.
dba::ListeResultat Ctr_ArdoinePrivate::Lire_Selection(const QString& phrase, const char* fichier) {
    dba::Requete requete;
    requete.definir(1, phrase.toStdString());
    requete.definir(2, fichier);
    requete.definir(3, "0 1");
    return Executer_Selection(requete);
}

// Entry i of the list box shows row i + 1. The first row is added before the end test, so an
// empty selection leaves one empty entry.
void Ctr_ArdoinePrivate::Ajouter_Libelles(ardoine::ListeDeroulante& liste,
                                          const dba::ListeResultat& lignes) {
    int ligne = 1;
    do {
        liste.Ajouter(QString::fromStdString(lignes(ligne, 2)));
        ++ligne;
    } while (!lignes(ligne, 1).empty());
}
