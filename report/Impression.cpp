#include "Impression.h"

#include "PeriodeImprimee.h"
#include "dba/Erreur.h"
#include "droits/DroitsModule.h"
#include "outils/Outils.h"
#include "printer/Imprimante.h"
#include "printer/Imprimantes.h"

rapport::Impression::Impression(ContexteImpression contexte)
    : contexte_(std::move(contexte)),
      module_(contexte_.module),
      criteres_(contexte_.criteres),
      periodeImprimee_(Periode_Imprimee(criteres_.mois, contexte_.options.moisImprimes)) {}

rapport::Impression::~Impression() = default;

// A run that fails leaves nothing printed and the form open, so that the user can try again.
bool rapport::Impression::Imprimer() {
    try {
        return Imprimer_Liste();
    } catch (const dba::Erreur& erreur) {
        Abandonner_Impression();
        throw dba::Erreur(erreur.numero(), "Impression interrompue : " + erreur.texte());
    } catch (...) {
        Abandonner_Impression();
        throw;
    }
}

// One view of the database from the selection to the last line of the last copy: the list is
// the database at the moment of the click, whatever another workstation writes while the user
// chooses the printer or while the lines are read, and the copies agree with each other. The
// many reads by key of a run share that one read transaction.
//
// The run was given the criteria of the form once, at the click: whatever the user does to the
// form while a message or the printer dialog is shown, the run prints the list it selected.
bool rapport::Impression::Imprimer_Liste() {
    auto occupation = contexte_.avancement.Occuper();
    auto vue = module_.Base().FigerLecture();
    accords_ = Selectionner_Periode();
    contexte_.services.evenements->Traiter_En_Attente();
    occupation.reset();
    if ((*accords_)(1).empty()) {
        vue.reset();
        Message_Impression(ardoine::Icone::Information,
                           QStringLiteral("Aucun accord correspondant aux critères sélectionnés."));
        return false;
    }
    contexte_.avancement.Longueur(accords_->DCount() + 1);
    if (!Choisir_Imprimante()) {
        return true;
    }
    contexte_.avancement.Montrer();
    if (Fichier_Par_Groupe()) {
        Avertir_Aides_Caches();
        Ecrire_Fichiers_Par_Groupe();
        return true;
    }
    if (destination_.Tableau()) {
        Avertir_Aides_Caches();
        Exporter_Tableau();
        return true;
    }
    {
        const auto occupation = contexte_.avancement.Occuper();
        Avertir_Aides_Caches();
        Imprimer_Copies([this] { Imprimer_Copie(); });
        contexte_.services.evenements->Traiter_En_Attente();
    }
    Imprimante_Courante().EndDoc();
    Noter_Fichier_Pdf();
    return true;
}

// A PDF file shown first is written only if the user prints it from the preview.
void rapport::Impression::Noter_Fichier_Pdf() {
    const imprimante::Reglages& reglages = outils::Outils::Partage().ReglagesChoisis();
    if (destination_.genre == imprimante::Destination::Genre::FichierPdf && ligneImprimee_ &&
        !reglages.apercu) {
        fichiersEcrits_ = {reglages.fichierSortie};
    }
}

// The printer the user chooses becomes the current one; false when the user chose none. A
// table file is no printer: the run writes it whole at the end (Exporter_Tableau); files per
// group have a printer each (Imprimer_Pdf_Par_Groupe).
bool rapport::Impression::Choisir_Imprimante() {
    outils::Outils& outils = outils::Outils::Partage();
    const std::string choix = outils.ChoisirImprimante("A4", Nom_Document().toStdString());
    contexte_.services.evenements->Traiter_En_Attente();
    if (choix == "-1") {
        return false;
    }
    const auto index = static_cast<std::int32_t>(std::stol(choix));
    destination_ = imprimante::destinationA(outils.Imprimantes().Liste(), index);
    entree_ = index;
    if (destination_.Tableau() || Fichier_Par_Groupe()) {
        return true;
    }
    miseEnPage_ = std::make_unique<MiseEnPage>(module_, *contexte_.services.calendrier, criteres_,
                                               copie_.mois, outils.OuvrirImprimante(index),
                                               Placement_Decision());
    contexte_.services.evenements->Traiter_En_Attente();
    return true;
}

// The list's own name, after its month (its first and last for a range): a PDF file saved
// month after month keeps each list.
QString rapport::Impression::Nom_Document() const {
    const QString premier =
        QStringLiteral("accords-non-renouveles-") + Mois_Fichier(criteres_.mois);
    if (!Plusieurs_Mois()) {
        return premier;
    }
    return premier + QStringLiteral("-a-") +
           Mois_Fichier(Mois_Du_Rang(contexte_.options.moisImprimes - 1));
}

// Which persons are left out is decided line by line; the user is told beforehand.
void rapport::Impression::Avertir_Aides_Caches() {
    contexte_.droitsModule->ListeAcces()->InitialiserListe();
    if (contexte_.droitsModule->ListeAcces()->W_Liste.Count() != 0) {
        Message_Impression(
            ardoine::Icone::Information,
            QStringLiteral("Vous n'avez pas le droit d'accèder à tous les aidés, certains ne "
                           "seront donc pas édités."));
    }
}

// Nothing of a failed run comes out, and the progress bar of the run goes away with it. The
// abandon itself failing must not hide why the run stopped.
void rapport::Impression::Abandonner_Impression() noexcept {
    selectionsMois_.clear();
    contexte_.avancement.Effacer();
    try {
        if (miseEnPage_) {
            miseEnPage_->Imprimante().KillDoc();
        }
    } catch (...) {
    }
}
