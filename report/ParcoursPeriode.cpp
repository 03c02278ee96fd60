#include "Ctr_ArdoinePrivate.h"
#include "PagesEcheancier.h"
#include "PeriodeImprimee.h"
#include "liste/DiffusionListe.h"
#include "printer/Imprimante.h"

// A run of several months prints each month's list exactly as that month prints alone: that
// month's selection and walk, one month after the other, in the run's one read view and with
// the criteria taken at the click, only the month changed. Each month's selection is released
// before the next one is made, so that a run holds one month's selection at a time whatever
// its range.

bool Ctr_ArdoinePrivate::Plusieurs_Mois() const {
    return Etat.moisImprimes > 1;
}

// The first month of the run that has agreements selected, or the last month's empty
// selection: then no month has any, and the run prints nothing, as for one month.
dba::ListeResultat Ctr_ArdoinePrivate::Selectionner_Periode() {
    if (!Plusieurs_Mois()) {
        return Selectionner_Accords();
    }
    const rapport::CriteresListe premier = Etat.criteres;
    dba::ListeResultat accords;
    for (int rang = 0; rang < Etat.moisImprimes && accords(1).empty(); ++rang) {
        accords = dba::ListeResultat();
        Etat.criteres = rapport::Criteres_Du_Mois(premier, rang);
        accords = Selectionner_Accords();
    }
    Etat.criteres = premier;
    return accords;
}

// One month: the walk of the selection of the click. Several: each month's walk in turn, the
// schedule counting its lines; a month without agreements is counted, and not walked.
void Ctr_ArdoinePrivate::Parcourir_Periode(rapport::DestinationListe& destination,
                                           rapport::Echeancier& echeancier) {
    if (!Plusieurs_Mois()) {
        Parcourir_Liste(destination);
        return;
    }
    const rapport::CriteresListe premier = Etat.criteres;
    rapport::DiffusionListe compte({&destination, &echeancier});
    for (int rang = 0; rang < Etat.moisImprimes; ++rang) {
        Liste_Accord.reset();
        Etat.criteres = rapport::Criteres_Du_Mois(premier, rang);
        echeancier.Debut_Mois(Etat.criteres.periode.toStdString(),
                              rapport::Mois_Abrege(Etat.criteres));
        Liste_Accord = Selectionner_Accords();
        if (!(*Liste_Accord)(1).empty()) {
            Prg_Accord->setMaximum(Liste_Accord->DCount() + 1);
            Parcourir_Liste(compte);
        }
    }
    Liste_Accord.reset();
    Etat.criteres = premier;
}

// The schedule's pages go in front of the copy's months, whose lines they count.
void Ctr_ArdoinePrivate::Placer_Echeancier(const rapport::Echeancier& echeancier,
                                           int premierePage) {
    Imprimante_Courante().InsererPages(premierePage, Pages_Echeancier(echeancier));
}

imprimante::Document Ctr_ArdoinePrivate::Pages_Echeancier(
    const rapport::Echeancier& echeancier) const {
    return rapport::Pages_Echeancier(echeancier, En_Tete_Liste(),
                                     Services.calendrier->Aujourdhui());
}
