#include "Ctr_ArdoinePrivate.h"
#include "Saisie.h"
#include "dba/Erreur.h"

namespace {

constexpr int LargeurCommune = 5;
// Above "z": accented letters and every character beyond the 7-bit range, which the names of
// the COMMUNES file, in capitals without accents, never hold.
constexpr char16_t DernierCaractereAdmis = 122;

// The communes whose name begins with the prefix, by name.
dba::Requete Requete_Communes(const QString& prefixe) {
    dba::Requete requete;
    requete.definir(
        1, (QStringLiteral("SSELECT COMMUNES AVEC 1 = \"") + prefixe + QStringLiteral("]\" PAR 1"))
               .toStdString());
    requete.definir(2, "COMMUNES");
    requete.definir(3, "0 1");
    return requete;
}

}  // namespace

// The commune pair takes the place of the manager/sector pair, emptied; the entries of both
// list boxes stay.
void Ctr_ArdoinePrivate::Opt_Commune_Click() {
    Etq_RespSect->setVisible(false);
    Txt_Responsable->setText(QString());
    Txt_Responsable->setVisible(false);
    Cbo_RespSect->setVisible(false);
    Etq_Commune->setVisible(true);
    Txt_Commune->setText(QString());
    Txt_Commune->setVisible(true);
    Cbo_Commune->setVisible(true);
}

// A full code is checked by reading its record; its name replaces the list box's text. A read
// that fails for another reason than a missing record leaves no unchecked code behind, and goes
// to the host's error handler.
void Ctr_ArdoinePrivate::Txt_Commune_Change() {
    const QString code = Txt_Commune->text();
    if (code.size() != LargeurCommune) {
        Cbo_Commune->Definir_Texte(QString());
        return;
    }
    try {
        Module.Enr_Communes = std::make_shared<dba::Enregistrement>(
            Module.Fic_Communes->LireEnreg(code.toStdString()));
    } catch (const dba::Erreur& erreur) {
        if (erreur.numero() == dba::ErrNonTrouve) {
            ardoine::Refuser_Code(Messages_Criteres(), *Txt_Commune,
                                  QStringLiteral("Cette commune n'existe pas."),
                                  ardoine::Focus::Rendu);
            return;
        }
        Module.Enr_Communes.reset();
        Txt_Commune->setText(QString());
        throw;
    }
    Cbo_Commune->Definir_Texte(QString::fromStdString((*Module.Enr_Communes)(1, 1)));
}

void Ctr_ArdoinePrivate::Txt_Commune_KeyPress(std::int16_t& KeyAscii) {
    ardoine::Completer_Sur_Entree(*Txt_Commune, LargeurCommune, KeyAscii);
}

void Ctr_ArdoinePrivate::Txt_Commune_LostFocus() {
    ardoine::Completer_En_Sortie(*Txt_Commune, LargeurCommune);
}

void Ctr_ArdoinePrivate::Cbo_Commune_Change() {
    ardoine::Vider_Code_Si_Libelle_Vide(*Cbo_Commune, *Txt_Commune);
}

void Ctr_ArdoinePrivate::Cbo_Commune_Click() {
    if (!Cbo_Commune->currentText().isEmpty()) {
        ardoine::Ecrire_Code(*Txt_Commune, *Cbo_Commune,
                             ardoine::Colonne(Liste_Communes, Cbo_Commune->currentIndex() + 1, 1));
    }
}

// Enter searches the communes whose name begins with the list box's text; Enter itself goes
// on. Characters above "z" are refused.
void Ctr_ArdoinePrivate::Cbo_Commune_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii == ardoine::ToucheEntree) {
        Chercher_Communes();
    } else if (static_cast<char16_t>(KeyAscii) > DernierCaractereAdmis) {
        Messages_Criteres().Afficher(
            QStringLiteral("La saisie de minuscule accentuée est interdite sur cette zone."),
            ardoine::Icone::Exclamation, ardoine::TitreKorvane());
        KeyAscii = 0;
    }
}

// The list is searched when it opens only while no search has found anything; errors are
// passed over.
void Ctr_ArdoinePrivate::Cbo_Commune_DropDown() {
    if (Liste_Communes && !(*Liste_Communes)(1).empty()) {
        return;
    }
    Occupe([this] {
        try {
            Chercher_Communes();
        } catch (const dba::Erreur&) {
        }
    });
}

// A search that finds nothing leaves the list as it was. A prefix holding a double quote
// begins no name and could not stand between the quotes of a sentence: it is not searched.
void Ctr_ArdoinePrivate::Chercher_Communes() {
    const QString prefixe = Cbo_Commune->currentText().toUpper();
    const bool cherchable = !prefixe.contains(QLatin1Char('"'));
    if (cherchable) {
        Liste_Communes = Executer_Selection(Requete_Communes(prefixe));
    }
    if (!cherchable || Liste_Communes->texte().empty()) {
        Services.avertisseur->Bip();
        Messages_Criteres().Afficher(QStringLiteral("Aucune commune commençant par ") + prefixe,
                                     ardoine::Icone::Exclamation, ardoine::TitreKorvane());
        return;
    }
    Cbo_Commune->Vider();
    Txt_Commune->setText(QString());
    const int lignes = Liste_Communes->DCount();
    for (int ligne = 1; ligne <= lignes; ++ligne) {
        Cbo_Commune->Ajouter(QString::fromStdString((*Liste_Communes)(ligne, 2)));
    }
}
