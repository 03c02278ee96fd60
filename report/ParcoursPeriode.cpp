#include "Ctr_ArdoinePrivate.h"
#include "PagesEcheancier.h"
#include "PeriodeImprimee.h"
#include "liste/DiffusionListe.h"
#include "printer/Imprimante.h"

// A run of several months prints each month's list exactly as that month prints alone: that
// month's selection and walk, one month after the other, in the run's one read view and with
// the criteria taken at the click, only the month changed. Each month is selected once per
// run: a run of one copy releases each month's selection after its walk, so that it holds one
// month's selection at a time whatever its range; a run of several copies keeps the selected
// keys of its months (small beside the lines they give) for the copies that follow.

bool Ctr_ArdoinePrivate::Plusieurs_Mois() const {
    return Etat.moisImprimes > 1;
}

// The first month of the run that has agreements selected, or the last month's empty
// selection: then no month has any, and the run prints nothing, as for one month. The months
// looked at are kept for their walks.
dba::ListeResultat Ctr_ArdoinePrivate::Selectionner_Periode() {
    Selections_Mois.clear();
    if (!Plusieurs_Mois()) {
        return Selectionner_Accords();
    }
    Selections_Mois.resize(static_cast<std::size_t>(Etat.moisImprimes));
    const rapport::CriteresListe premier = Etat.criteres;
    dba::ListeResultat accords;
    for (int rang = 0; rang < Etat.moisImprimes && accords(1).empty(); ++rang) {
        Etat.criteres = rapport::Criteres_Du_Mois(premier, rang);
        accords = Selectionner_Accords();
        Selections_Mois[static_cast<std::size_t>(rang)] = accords;
    }
    Etat.criteres = premier;
    return accords;
}

// The selection of the month of the criteria, that month's rank in the run: the one kept, or
// made now; kept again while another copy is to walk it.
dba::ListeResultat Ctr_ArdoinePrivate::Selection_Du_Mois(int rang) {
    std::optional<dba::ListeResultat>& gardee = Selections_Mois.at(static_cast<std::size_t>(rang));
    dba::ListeResultat selection = gardee ? std::move(*gardee) : Selectionner_Accords();
    gardee.reset();
    if (!Etat.derniereCopie) {
        gardee = selection;
    }
    return selection;
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
        Liste_Accord = Selection_Du_Mois(rang);
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
