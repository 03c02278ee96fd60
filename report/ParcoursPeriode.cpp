#include "Impression.h"
#include "PeriodeImprimee.h"
#include "liste/DiffusionListe.h"

// A run of several months prints each month's list exactly as that month prints alone: that
// month's selection and walk, one month after the other, in the run's one read view and with
// the criteria taken at the click, the month of each given to its selection and its walk. Each
// month is selected once per run: a run of one copy releases each month's selection after its walk,
// so that it holds one month's selection at a time whatever its range; a run of several copies
// keeps the selected keys of its months (small beside the lines they give) for the copies that
// follow.

// The first month of the run that has agreements selected, or the last month's empty
// selection: then no month has any, and the run prints nothing, as for one month. The months
// looked at are kept for their walks.
dba::ListeResultat rapport::Impression::Selectionner_Periode() {
    selectionsMois_.clear();
    if (!Plusieurs_Mois()) {
        return Selectionner_Accords(Mois_Du_Rang(0));
    }
    selectionsMois_.resize(static_cast<std::size_t>(contexte_.options.moisImprimes));
    dba::ListeResultat accords;
    for (int rang = 0; rang < contexte_.options.moisImprimes && accords(1).empty(); ++rang) {
        accords = Selectionner_Accords(Mois_Du_Rang(rang));
        selectionsMois_[static_cast<std::size_t>(rang)] = accords;
    }
    return accords;
}

// The month of rank `rang` in the run, from 0.
QDate rapport::Impression::Mois_Du_Rang(int rang) const {
    return criteres_.mois.addMonths(rang);
}

// The selection of the month of rank `rang` in the run: the one kept, or made now; kept again
// while another copy is to walk it.
dba::ListeResultat rapport::Impression::Selection_Du_Mois(int rang) {
    std::optional<dba::ListeResultat>& gardee = selectionsMois_.at(static_cast<std::size_t>(rang));
    dba::ListeResultat selection =
        gardee ? std::move(*gardee) : Selectionner_Accords(Mois_Du_Rang(rang));
    gardee.reset();
    if (!derniereCopie_) {
        gardee = selection;
    }
    return selection;
}

// One month: the walk of the selection of the click. Several: each month's walk in turn, the
// schedule counting its lines; a month without agreements is counted, and not walked.
void rapport::Impression::Parcourir_Periode(rapport::DestinationListe& destination,
                                            rapport::Echeancier& echeancier) {
    if (!Plusieurs_Mois()) {
        Parcourir_Liste(destination, Mois_Du_Rang(0));
        return;
    }
    rapport::DiffusionListe compte({&destination, &echeancier});
    for (int rang = 0; rang < contexte_.options.moisImprimes; ++rang) {
        const QDate mois = Mois_Du_Rang(rang);
        accords_.reset();
        echeancier.Debut_Mois(Libelle_Mois(mois).toStdString(), Mois_Abrege(mois));
        accords_ = Selection_Du_Mois(rang);
        if (!(*accords_)(1).empty()) {
            contexte_.avancement.Longueur(accords_->DCount() + 1);
            Parcourir_Liste(compte, mois);
        }
    }
    accords_.reset();
}
