#include "Ctr_ArdoinePrivate.h"
#include "Saisie.h"
#include "dba/Erreur.h"

namespace {

constexpr int LargeurActivite = 3;
// An activity's key is its legal entity's code followed by the activity code.
constexpr int DebutCodeActivite = 3;

}  // namespace

// The activities of the legal entity in Txt_Association: their keys begin with its code. A lone
// activity is chosen at once. A failed read leaves the pair empty and goes to the host's error
// handler; the chain that asked for the fill goes on.
void Ctr_ArdoinePrivate::Remplir_Activites() {
    const QString phrase = QStringLiteral("SSELECT ACTIVITES AVEC 0 = \"") +
                           Txt_Association->text() + QStringLiteral("]\" PAR 1");
    try {
        Liste_Activites = Lire_Selection(phrase, "ACTIVITES");
    } catch (const dba::Erreur& erreur) {
        Liste_Activites.reset();
        Cbo_Activites->Vider();
        Erreurs.Signaler(erreur);
        return;
    }
    Cbo_Activites->Vider();
    Ajouter_Libelles(*Cbo_Activites, *Liste_Activites);
    if (Cbo_Activites->count() == 1) {
        Cbo_Activites->Definir_Texte(Cbo_Activites->itemText(0));
        ardoine::Ecrire_Code(*Txt_Activites, *Cbo_Activites, Code_Activite(1));
    }
}

QString Ctr_ArdoinePrivate::Code_Activite(int ligne) const {
    return ardoine::Colonne(Liste_Activites, ligne, 1).mid(DebutCodeActivite);
}

// Every complete activity code, found or not, and every emptied one refills the funding
// bodies, which depend on the activity.
void Ctr_ArdoinePrivate::Txt_Activites_Change() {
    if (Txt_Activites->text().size() == LargeurActivite) {
        ardoine::Valider_Code(Messages_Criteres(), *Txt_Activites, *Cbo_Activites, Liste_Activites,
                              QStringLiteral("Cette activité n'existe pas."), DebutCodeActivite);
        Remplir_Organisme();
        return;
    }
    Cbo_Activites->Definir_Texte(QString());
    if (Txt_Activites->text().isEmpty()) {
        Remplir_Organisme();
    }
}

void Ctr_ArdoinePrivate::Txt_Activites_KeyPress(std::int16_t& KeyAscii) {
    ardoine::Completer_Sur_Entree(*Txt_Activites, LargeurActivite, KeyAscii);
}

void Ctr_ArdoinePrivate::Txt_Activites_LostFocus() {
    ardoine::Completer_En_Sortie(*Txt_Activites, LargeurActivite);
}

void Ctr_ArdoinePrivate::Cbo_Activites_Change() {
    ardoine::Vider_Code_Si_Libelle_Vide(*Cbo_Activites, *Txt_Activites);
}

void Ctr_ArdoinePrivate::Cbo_Activites_Click() {
    Occupe([this] {
        if (!Cbo_Activites->currentText().isEmpty()) {
            ardoine::Ecrire_Code(*Txt_Activites, *Cbo_Activites,
                                 Code_Activite(Cbo_Activites->currentIndex() + 1));
        }
    });
}
