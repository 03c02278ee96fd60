#include <map>

#include "Impression.h"
#include "MiseEnPageGroupe.h"
#include "liste/FichierDuGroupe.h"
#include "liste/RepartitionGroupes.h"
#include "outils/LotDeFichiers.h"
#include "outils/Outils.h"
#include "printer/Imprimante.h"
#include "printer/Imprimantes.h"

// One file per group of the list: each group's lines go to a file of their own, named after
// the chosen file and the group's code, that holds what the list limited to that group holds.
// Every group's document stays open (its rows in memory, or its printer's pages waiting in the
// process's one file of waiting pages) until the walks are over, so a group that comes back
// adds to its own; they are written only then, one after the other, and put in place together
// or not at all (outils::Ecrire_Lot).

bool rapport::Impression::Fichier_Par_Groupe() const {
    return contexte_.options.unFichierParGroupe &&
           destination_.genre != imprimante::Destination::Genre::Systeme;
}

void rapport::Impression::Ecrire_Fichiers_Par_Groupe() {
    if (destination_.Tableau()) {
        Exporter_Tableaux_Par_Groupe();
    } else {
        Imprimer_Pdf_Par_Groupe();
    }
}

namespace {

std::string Fichier_Choisi() {
    return outils::Outils::Partage().ReglagesChoisis().fichierSortie;
}

// The files of the groups, in the order of the groups, each completed by `terminer` from the
// group's code and destination.
template <class Destination, class Terminer>
std::vector<std::string> Ecrire_Groupes(const rapport::RepartitionGroupes<Destination>& groupes,
                                        const Terminer& terminer) {
    std::vector<outils::FichierDuLot> lot;
    for (const auto& groupe : groupes.Groupes()) {
        lot.push_back({rapport::Fichier_Du_Groupe(Fichier_Choisi(), groupe.code),
                       [&terminer, &groupe] { terminer(groupe.code, *groupe.destination); }});
    }
    return outils::Ecrire_Lot(lot);
}

}  // namespace

// Each group's rows under the heading of the whole list, as one walk gives them (month after
// month for a range, with the group's own schedule), kept until the files are written one
// after the other.
void rapport::Impression::Exporter_Tableaux_Par_Groupe() {
    rapport::RepartitionGroupes<rapport::TableauListe> groupes([this](const std::string& groupe) {
        return Nouveau_Tableau(rapport::Fichier_Du_Groupe(Fichier_Choisi(), groupe), true);
    });
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    {
        const auto occupation = contexte_.avancement.Occuper();
        Parcourir_Periode(groupes, echeancier);
        contexte_.services.evenements->Traiter_En_Attente();
    }
    if (groupes.Groupes().empty()) {
        Signaler_Liste_Vide();
        return;
    }
    fichiersEcrits_ = Ecrire_Groupes(
        groupes,
        [this, &echeancier](const std::string& code, const rapport::TableauListe& tableau) {
            Terminer_Tableau(tableau, echeancier.Du_Groupe(code));
        });
    ligneImprimee_ = true;
}

// Each copy walks the list once, every group's pages on its own printer; for a range, each
// group's copy then gets the group's own schedule in front of it.
void rapport::Impression::Imprimer_Pdf_Par_Groupe() {
    rapport::RepartitionGroupes<rapport::MiseEnPageGroupe> groupes(
        [this](const std::string& groupe) {
            return std::make_unique<rapport::MiseEnPageGroupe>(
                module_, *contexte_.services.calendrier, criteres_, copie_.mois,
                Ouvrir_Imprimante_Fichier(rapport::Fichier_Du_Groupe(Fichier_Choisi(), groupe)),
                Placement_Decision());
        });
    {
        const auto occupation = contexte_.avancement.Occuper();
        Imprimer_Copies([this, &groupes] { Imprimer_Copie_Par_Groupe(groupes); });
        contexte_.services.evenements->Traiter_En_Attente();
    }
    if (groupes.Groupes().empty()) {
        Signaler_Liste_Vide();
        return;
    }
    fichiersEcrits_ = Ecrire_Groupes(
        groupes, [](const std::string& /*code*/, const rapport::MiseEnPageGroupe& pages) {
            pages.Imprimante().EndDoc();
        });
}

void rapport::Impression::Imprimer_Copie_Par_Groupe(
    rapport::RepartitionGroupes<rapport::MiseEnPageGroupe>& groupes) {
    // Where this copy begins in the document of each group printed so far; a group that first
    // comes in this copy begins it on its page 1.
    std::map<std::string, int> premieresPages;
    for (const auto& groupe : groupes.Groupes()) {
        premieresPages[groupe.code] = groupe.destination->Imprimante().Page() + 1;
    }
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    Parcourir_Periode(groupes, echeancier);
    if (!Plusieurs_Mois()) {
        return;
    }
    for (const auto& groupe : groupes.Groupes()) {
        const auto premiere = premieresPages.find(groupe.code);
        groupe.destination->Imprimante().InsererPages(
            premiere == premieresPages.end() ? 1 : premiere->second,
            Pages_Echeancier(echeancier.Du_Groupe(groupe.code)));
    }
}

// A printer of the chosen entry, as chosen, on that file; a file per group is never shown
// first, for the user would have as many previews to go through as groups.
std::shared_ptr<imprimante::Imprimante> rapport::Impression::Ouvrir_Imprimante_Fichier(
    const std::string& fichier) {
    outils::Outils& outils = outils::Outils::Partage();
    imprimante::Reglages reglages = outils.ReglagesChoisis();
    reglages.fichierSortie = fichier;
    reglages.apercu = false;
    return outils.Imprimantes().Ouvrir(entree_, reglages);
}
