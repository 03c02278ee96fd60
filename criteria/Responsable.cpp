#include "Ctr_ArdoinePrivate.h"
#include "Saisie.h"
#include "dba/Erreur.h"
#include "droits/DroitsModule.h"

namespace {

constexpr int LargeurResponsable = 3;

}  // namespace

void Ctr_ArdoinePrivate::Remplir_Responsable() {
    Remplir_RespSect(Liste_Responsable, "SSELECT RESPONSABLE PAR 1", "RESPONSABLE");
}

void Ctr_ArdoinePrivate::Remplir_Secteur() {
    Remplir_RespSect(Liste_Secteur, "SSELECT SECTEUR PAR 1", "SECTEUR");
}

// The manager and sector lists are read once and kept; a list that reads as empty is read
// again. A failed read is not reported: the list box then stays empty, and the next switch to
// this list tries again.
void Ctr_ArdoinePrivate::Remplir_RespSect(std::optional<dba::ListeResultat>& liste,
                                          const char* phrase, const char* fichier) {
    if (!liste || liste->texte().empty()) {
        try {
            liste = Lire_Selection(QString::fromLatin1(phrase), fichier);
        } catch (const dba::Erreur&) {
        }
    }
    Cbo_RespSect->Vider();
    if (liste) {
        Ajouter_Libelles(*Cbo_RespSect, *liste);
    }
}

void Ctr_ArdoinePrivate::Opt_Responsable_Click() {
    Montrer_RespSect(QStringLiteral("Responsable"), &Ctr_ArdoinePrivate::Remplir_Responsable);
}

void Ctr_ArdoinePrivate::Opt_Secteur_Click() {
    Montrer_RespSect(QStringLiteral("Secteur"), &Ctr_ArdoinePrivate::Remplir_Secteur);
}

// The manager/sector pair takes the place of the commune pair, emptied, with the entries of
// the chosen list.
void Ctr_ArdoinePrivate::Montrer_RespSect(const QString& libelle,
                                          void (Ctr_ArdoinePrivate::*remplir)()) {
    Etq_RespSect->setText(libelle);
    (this->*remplir)();
    Txt_Responsable->setText(QString());
    Etq_RespSect->setVisible(true);
    Txt_Responsable->setVisible(true);
    Cbo_RespSect->setVisible(true);
    Etq_Commune->setVisible(false);
    Txt_Commune->setText(QString());
    Txt_Commune->setVisible(false);
    Cbo_Commune->setVisible(false);
}

// Sector mode is whatever is not manager mode, the commune option included.
void Ctr_ArdoinePrivate::Txt_Responsable_Change() {
    if (Txt_Responsable->text().size() != LargeurResponsable) {
        Cbo_RespSect->Definir_Texte(QString());
    } else if (Opt_Responsable->isChecked()) {
        Valider_Responsable();
    } else {
        Valider_Secteur();
    }
}

void Ctr_ArdoinePrivate::Valider_Responsable() {
    ardoine::Valider_Code(Messages_Criteres(), *Txt_Responsable, *Cbo_RespSect, Liste_Responsable,
                          QStringLiteral("Ce responsable n'existe pas."));
}

// A sector the user may not see is emptied without a word. When the rights cannot be asked,
// the sector is emptied too before the error goes on.
void Ctr_ArdoinePrivate::Valider_Secteur() {
    const int ligne = ardoine::Chercher_Ligne(Liste_Secteur, Txt_Responsable->text());
    if (ligne == 0) {
        ardoine::Refuser_Code(Messages_Criteres(), *Txt_Responsable,
                              QStringLiteral("Ce secteur n'existe pas."), ardoine::Focus::Laisse);
        return;
    }
    bool autorise = false;
    try {
        autorise = Droits_Module->AccesAutorise((*Liste_Secteur)(ligne, 1), -1);
    } catch (...) {
        Txt_Responsable->setText(QString());
        throw;
    }
    if (!autorise) {
        Txt_Responsable->setText(QString());
        Txt_Responsable->setFocus();
        return;
    }
    ardoine::Ecrire_Libelle_Si_Vide(*Cbo_RespSect, ardoine::Colonne(Liste_Secteur, ligne, 2));
}

void Ctr_ArdoinePrivate::Txt_Responsable_KeyPress(std::int16_t& KeyAscii) {
    ardoine::Completer_Sur_Entree(*Txt_Responsable, LargeurResponsable, KeyAscii);
}

void Ctr_ArdoinePrivate::Txt_Responsable_LostFocus() {
    ardoine::Completer_En_Sortie(*Txt_Responsable, LargeurResponsable);
}

void Ctr_ArdoinePrivate::Cbo_RespSect_Change() {
    ardoine::Vider_Code_Si_Libelle_Vide(*Cbo_RespSect, *Txt_Responsable);
}

void Ctr_ArdoinePrivate::Cbo_RespSect_Click() {
    if (Cbo_RespSect->currentText().isEmpty()) {
        return;
    }
    const auto& liste = Opt_Responsable->isChecked() ? Liste_Responsable : Liste_Secteur;
    ardoine::Ecrire_Code(*Txt_Responsable, *Cbo_RespSect,
                         ardoine::Colonne(liste, Cbo_RespSect->currentIndex() + 1, 1));
}
