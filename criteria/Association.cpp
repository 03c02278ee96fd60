#include "Ctr_ArdoinePrivate.h"
#include "Saisie.h"

namespace {

constexpr int LargeurAssociation = 3;

}  // namespace

// Read once, by Init, so the list box is not emptied first. A lone legal entity is chosen at
// once: its label, then its code, whose change validates it.
void Ctr_ArdoinePrivate::Remplir_Asso() {
    Liste_Asso = Lire_Selection(QStringLiteral("SSELECT ASSOCIATION PAR 1"), "ASSOCIATION");
    Ajouter_Libelles(*Cbo_Association, *Liste_Asso);
    if (Cbo_Association->count() == 1) {
        Cbo_Association->Definir_Texte(Cbo_Association->itemText(0));
        ardoine::Ecrire_Code(*Txt_Association, *Cbo_Association,
                             ardoine::Colonne(Liste_Asso, 1, 1));
    }
}

// The legal entity heads the form: a valid code opens and refills the activity and
// funding-body pairs and the print button; anything else closes them.
void Ctr_ArdoinePrivate::Txt_Association_Change() {
    if (Txt_Association->text().size() == LargeurAssociation) {
        Valider_Association();
    } else {
        Fermer_Association();
    }
}

void Ctr_ArdoinePrivate::Valider_Association() {
    if (ardoine::Valider_Code(Messages_Criteres(), *Txt_Association, *Cbo_Association, Liste_Asso,
                              QStringLiteral("Cette entité juridique n'existe pas.")) == 0) {
        return;
    }
    Txt_Activites->setEnabled(true);
    Cbo_Activites->setEnabled(true);
    Txt_Activites->setText(QString());
    Remplir_Activites();
    Txt_CodeOrg->setEnabled(true);
    Cbo_SigleOrg->setEnabled(true);
    Remplir_Organisme();
    Txt_CodeOrg->setText(QString());
    Cmd_Imprimer->setEnabled(true);
}

// Emptying the activity may refill the funding bodies; the pair is disabled after that, so it
// ends disabled whatever the refill found.
void Ctr_ArdoinePrivate::Fermer_Association() {
    Cmd_Imprimer->setEnabled(false);
    Cbo_Association->Definir_Texte(QString());
    Txt_Activites->setText(QString());
    Cbo_Activites->Vider();
    Txt_Activites->setEnabled(false);
    Cbo_Activites->setEnabled(false);
    Txt_CodeOrg->setEnabled(false);
    Cbo_SigleOrg->setEnabled(false);
}

void Ctr_ArdoinePrivate::Txt_Association_KeyPress(std::int16_t& KeyAscii) {
    ardoine::Completer_Sur_Entree(*Txt_Association, LargeurAssociation, KeyAscii);
}

void Ctr_ArdoinePrivate::Txt_Association_LostFocus() {
    ardoine::Completer_En_Sortie(*Txt_Association, LargeurAssociation);
}

void Ctr_ArdoinePrivate::Cbo_Association_Change() {
    ardoine::Vider_Code_Si_Libelle_Vide(*Cbo_Association, *Txt_Association);
}

void Ctr_ArdoinePrivate::Cbo_Association_Click() {
    Occupe([this] {
        if (!Cbo_Association->currentText().isEmpty()) {
            ardoine::Ecrire_Code(
                *Txt_Association, *Cbo_Association,
                ardoine::Colonne(Liste_Asso, Cbo_Association->currentIndex() + 1, 1));
        }
    });
}
