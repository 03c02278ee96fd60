#include "Ctr_ArdoinePrivate.h"
#include "MiseEnPageListe.h"
#include "PeriodeImprimee.h"
#include "dba/Erreur.h"
#include "droits/DroitsModule.h"
#include "outils/Outils.h"
#include "printer/Imprimante.h"
#include "printer/Imprimantes.h"

// The print command: one press prints every copy of the list for the criteria of the form, then
// closes the host form. A run that fails leaves nothing printed and the form open, so that the
// user can try again.

void Ctr_ArdoinePrivate::Cmd_Imprimer_Click() {
    if (Txt_Association->text().isEmpty()) {
        Message_Impression(ardoine::Icone::Exclamation,
                           QStringLiteral("L'entité juridique est obligatoire."));
        Txt_Association->setFocus();
        return;
    }
    if (Refuser_Critere_Avec_Guillemet()) {
        return;
    }
    try {
        Imprimer_Liste();
    } catch (const dba::Erreur& erreur) {
        Abandonner_Impression();
        throw dba::Erreur(erreur.numero(), "Impression interrompue : " + erreur.texte());
    } catch (...) {
        Abandonner_Impression();
        throw;
    }
    // The run ends as the exit button does.
    Cmd_Sortir_Click();
}

// One view of the database from the selection to the last line of the last copy: the list is
// the database at the moment of the click, whatever another workstation writes while the user
// chooses the printer or while the lines are read, and the copies agree with each other. The
// many reads by key of a run share that one read transaction.
//
// The run takes the criteria of the form once, here: whatever the user does to the form while
// a message or the printer dialog is shown, the run prints the list it selected.
void Ctr_ArdoinePrivate::Imprimer_Liste() {
    Etat = rapport::EtatImpression{};
    Etat.criteres = Criteres_Du_Formulaire();
    Etat.moisImprimes = Nombre_Mois_Imprimes;
    Etat.periodeImprimee = rapport::Periode_Imprimee(Etat.criteres, Etat.moisImprimes);
    auto occupation = std::make_optional<Occupation>(*this);
    auto vue = Module.Base().FigerLecture();
    Liste_Accord = Selectionner_Periode();
    Services.evenements->Traiter_En_Attente();
    occupation.reset();
    if ((*Liste_Accord)(1).empty()) {
        vue.reset();
        Message_Impression(ardoine::Icone::Information,
                           QStringLiteral("Aucun accord correspondant aux critères sélectionnés."));
        Vider_Champs();
        return;
    }
    Prg_Accord->setMaximum(Liste_Accord->DCount() + 1);
    if (!Choisir_Imprimante()) {
        return;
    }
    Prg_Accord->setVisible(true);
    if (Fichier_Par_Groupe()) {
        Avertir_Aides_Caches();
        Ecrire_Fichiers_Par_Groupe();
        return;
    }
    if (Etat.destination.Tableau()) {
        Avertir_Aides_Caches();
        Exporter_Tableau();
        return;
    }
    {
        const Occupation occupation(*this);
        Avertir_Aides_Caches();
        Imprimer_Copies([this] { Imprimer_Copie(); });
        Services.evenements->Traiter_En_Attente();
    }
    Imprimante_Courante().EndDoc();
    Noter_Fichier_Pdf();
}

// A PDF file shown first is written only if the user prints it from the preview.
void Ctr_ArdoinePrivate::Noter_Fichier_Pdf() {
    const imprimante::Reglages& reglages = outils::Outils::Partage().ReglagesChoisis();
    if (Etat.destination.genre == imprimante::Destination::Genre::FichierPdf &&
        Etat.ligneImprimee && !reglages.apercu) {
        Etat.fichiersEcrits = {reglages.fichierPdf};
    }
}

// The printer the user chooses becomes the current one; false when the user chose none. A
// table file is no printer: the run writes it whole at the end (Exporter_Tableau); files per
// group have a printer each (Imprimer_Pdf_Par_Groupe).
bool Ctr_ArdoinePrivate::Choisir_Imprimante() {
    outils::Outils& outils = outils::Outils::Partage();
    const std::string choix = outils.ChoisirImprimante("A4", Nom_Document().toStdString());
    Services.evenements->Traiter_En_Attente();
    if (choix == "-1") {
        return false;
    }
    const auto index = static_cast<std::int32_t>(std::stol(choix));
    Etat.destination = imprimante::destinationA(outils.Imprimantes().Liste(), index);
    Etat.entree = index;
    if (Etat.destination.Tableau() || Fichier_Par_Groupe()) {
        return true;
    }
    Etat.imprimante = outils.OuvrirImprimante(index);
    Services.evenements->Traiter_En_Attente();
    return true;
}

// The list's own name, after its month (its first and last for a range): a PDF file saved
// month after month keeps each list.
QString Ctr_ArdoinePrivate::Nom_Document() const {
    const QString premier =
        QStringLiteral("accords-non-renouveles-%1-%2").arg(Etat.criteres.annee, Etat.criteres.mois);
    if (!Plusieurs_Mois()) {
        return premier;
    }
    const rapport::CriteresListe dernier =
        rapport::Criteres_Du_Mois(Etat.criteres, Etat.moisImprimes - 1);
    return premier + QStringLiteral("-a-%1-%2").arg(dernier.annee, dernier.mois);
}

// Which persons are left out is decided line by line; the user is told beforehand.
void Ctr_ArdoinePrivate::Avertir_Aides_Caches() {
    Droits_Module->ListeAcces()->InitialiserListe();
    if (Droits_Module->ListeAcces()->W_Liste.Count() != 0) {
        Message_Impression(
            ardoine::Icone::Information,
            QStringLiteral("Vous n'avez pas le droit d'accèder à tous les aidés, certains ne "
                           "seront donc pas édités."));
    }
}

// Each copy asked, by `imprimerCopie`. The copies read the run's one view (Imprimer_Liste), so
// they agree with each other.
void Ctr_ArdoinePrivate::Imprimer_Copies(const std::function<void()>& imprimerCopie) {
    const std::int16_t copies = outils::Outils::Partage().NbCopies();
    for (std::int16_t copie = 1; copie <= copies; ++copie) {
        Etat.derniereCopie = copie == copies;
        imprimerCopie();
    }
}

// Every selected agreement is read again for each copy; a copy's first page is started by
// the first line it prints, so that it is headed with that line's group. A copy of several
// months begins with their schedule.
void Ctr_ArdoinePrivate::Imprimer_Copie() {
    ardoine::MiseEnPageListe miseEnPage(*this, Placement_Decision());
    const int premierePage = Etat.ligneImprimee ? Imprimante_Courante().Page() + 1 : 1;
    rapport::Echeancier echeancier = Nouvel_Echeancier();
    Parcourir_Periode(miseEnPage, echeancier);
    if (!Etat.copie.commencee && !Etat.ligneImprimee) {
        Imprimante_Courante().KillDoc();
        Signaler_Liste_Vide();
    } else if (Plusieurs_Mois()) {
        Placer_Echeancier(echeancier, premierePage);
    }
}

// Each line's place on its page goes with its decision.
ardoine::MiseEnPageListe::Placement Ctr_ArdoinePrivate::Placement_Decision() {
    return [this](const ardoine::PlacementLigne& place) {
        Etat.copie.decision.page = place.page;
        Etat.copie.decision.numeroLigne = place.ligne;
    };
}

void Ctr_ArdoinePrivate::Signaler_Liste_Vide() {
    Message_Impression(ardoine::Icone::Information,
                       QStringLiteral("Aucun accord non renouvelé sur ") +
                           (Plusieurs_Mois() ? QStringLiteral("la période ") : QString()) +
                           Etat.periodeImprimee);
}

// The copy's first page; a copy that follows printed pages starts on a new sheet.
void Ctr_ArdoinePrivate::Commencer_Copie(const std::string& groupe) {
    if (!Imprimante_Courante().DocumentVide()) {
        Imprimante_Courante().NewPage();
    }
    Entete_Page(groupe);
    Etat.copie.commencee = true;
}

// Nothing of a failed run comes out, and the progress bar of the run goes away with it. The
// abandon itself failing must not hide why the run stopped.
void Ctr_ArdoinePrivate::Abandonner_Impression() noexcept {
    Selections_Mois.clear();
    Prg_Accord->setVisible(false);
    Prg_Accord->reset();
    try {
        if (Etat.imprimante) {
            Etat.imprimante->KillDoc();
        }
    } catch (...) {
    }
}

void Ctr_ArdoinePrivate::Message_Impression(ardoine::Icone icone, const QString& texte) {
    Services.messages->Afficher(texte, icone, QStringLiteral("Message KORVANE"));
}

imprimante::Imprimante& Ctr_ArdoinePrivate::Imprimante_Courante() {
    if (!Etat.imprimante) {
        throw dba::Erreur(dba::ErrImprimante, "Aucune imprimante n'a été choisie.");
    }
    return *Etat.imprimante;
}

std::string Ctr_ArdoinePrivate::Colonne_Accord(int colonne) const {
    return Liste_Accord ? (*Liste_Accord)(static_cast<int>(Etat.copie.rangee), colonne)
                        : std::string();
}
