#include <algorithm>

#include "Ctr_ArdoinePrivate.h"
#include "Saisie.h"
#include "dba/Erreur.h"

namespace {

constexpr int LargeurOrganisme = 3;

QString Entre_Guillemets(const QString& valeur) {
    return QLatin1Char('"') + valeur + QLatin1Char('"');
}

// Only blanks count as blanks here, as in the activity codes typed by the user.
bool Que_Des_Blancs(const QString& texte) {
    return std::all_of(texte.begin(), texte.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

bool Que_Des_Chiffres(const QString& texte) {
    return std::all_of(texte.begin(), texte.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The open funding bodies of the legal entity that fund care and still take new agreements,
// narrowed to the activity when one is given, by short name then code.
QString Phrase_Organismes(const QString& entite, const QString& activite) {
    QString phrase = QStringLiteral("SSELECT ORGPRISECHARGE AVEC 63 = \"\" AND AVEC 46 = ") +
                     Entre_Guillemets(entite);
    phrase += QStringLiteral(" AND AVEC 18 = ") + Entre_Guillemets(QStringLiteral("P"));
    phrase += QStringLiteral(" AND AVEC 20 <> ") + Entre_Guillemets(QStringLiteral("0"));
    if (!Que_Des_Blancs(activite)) {
        phrase += QStringLiteral(" AND AVEC 47 = ") + Entre_Guillemets(entite + activite);
    }
    return phrase + QStringLiteral(" PAR 1 PAR 0");
}

QString Attribut(const dba::Enregistrement& enregistrement, int attribut, int valeur = 0) {
    return QString::fromStdString(valeur == 0 ? enregistrement(attribut)
                                              : enregistrement(attribut, valeur));
}

}  // namespace

// A failed read leaves the pair empty and disabled, as when no funding body answers, and goes
// to the host's error handler; the chain that asked for the fill goes on.
void Ctr_ArdoinePrivate::Remplir_Organisme() {
    Req_Organisme = dba::Requete();
    Req_Organisme.definir(
        1, Phrase_Organismes(Txt_Association->text(), Txt_Activites->text()).toStdString());
    Req_Organisme.definir(2, "ORGPRISECHARGE");
    Req_Organisme.definir(3, "0");
    try {
        Liste_Organismes = Executer_Selection(Req_Organisme);
        if ((*Liste_Organismes)(1).empty()) {
            Messages_Criteres().Afficher(
                QStringLiteral("Aucun organisme de prise en charge pour cette entité avec ce "
                               "type d'activité."),
                ardoine::Icone::Exclamation, ardoine::TitreKorvane());
            Fermer_Organismes();
            return;
        }
        Txt_CodeOrg->setText(QString());
        Cbo_SigleOrg->Vider();
        Ajouter_Organismes();
    } catch (const dba::Erreur& erreur) {
        Liste_Organismes.reset();
        Fermer_Organismes();
        Erreurs.Signaler(erreur);
        return;
    }
    Etq_Organisme->setEnabled(true);
    Txt_CodeOrg->setEnabled(true);
    Cbo_SigleOrg->setEnabled(true);
}

void Ctr_ArdoinePrivate::Fermer_Organismes() {
    Txt_CodeOrg->setText(QString());
    Cbo_SigleOrg->Vider();
    Etq_Organisme->setEnabled(false);
    Txt_CodeOrg->setEnabled(false);
    Cbo_SigleOrg->setEnabled(false);
}

// The held list has the keys only: each label is read from the funding body's record.
void Ctr_ArdoinePrivate::Ajouter_Organismes() {
    const int lignes = Liste_Organismes->DCount();
    for (int ligne = 1; ligne <= lignes; ++ligne) {
        Module.Enr_OrgPriseCharge = std::make_shared<dba::Enregistrement>(
            Module.Fic_OrgPriseCharge->LireEnreg((*Liste_Organismes)(ligne)));
        Cbo_SigleOrg->Ajouter(Attribut(*Module.Enr_OrgPriseCharge, 1));
    }
}

// Typing lets only digits in, and the check runs as soon as a code has three of them. A text
// that typing cannot leave (pasted letters or signs, a pasted code too long) is refused as a
// code that does not exist, so that only a code checked here goes on to the print command.
void Ctr_ArdoinePrivate::Txt_CodeOrg_Change() {
    const QString code = Txt_CodeOrg->text();
    if (!Que_Des_Chiffres(code)) {
        Refuser_Organisme_Inconnu();
    } else if (code.size() == LargeurOrganisme) {
        Verifier_Organisme(code);
    } else {
        Cbo_SigleOrg->Definir_Texte(QString());
        if (Txt_CodeOrg->text().size() > LargeurOrganisme) {
            Refuser_Organisme_Inconnu();
        }
    }
}

void Ctr_ArdoinePrivate::Refuser_Organisme_Inconnu() {
    ardoine::Refuser_Code(Messages_Criteres(), *Txt_CodeOrg,
                          QStringLiteral("Cet organisme de prise en charge n'existe pas."),
                          ardoine::Focus::Rendu);
}

// A typed code is checked on its entity and activity codes, its type and its status only. A
// read that fails for another reason than a missing record leaves no unchecked code behind.
void Ctr_ArdoinePrivate::Verifier_Organisme(const QString& code) {
    try {
        Module.Enr_OrgPriseCharge = std::make_shared<dba::Enregistrement>(
            Module.Fic_OrgPriseCharge->LireEnreg(code.toStdString()));
    } catch (const dba::Erreur& erreur) {
        if (erreur.numero() == dba::ErrNonTrouve) {
            Refuser_Organisme_Inconnu();
            return;
        }
        Txt_CodeOrg->setText(QString());
        throw;
    }
    const dba::Enregistrement& organisme = *Module.Enr_OrgPriseCharge;
    if (Organisme_Convient(organisme) && Attribut(organisme, 18) == QLatin1String("P") &&
        Attribut(organisme, 20) != QLatin1String("0")) {
        Cbo_SigleOrg->Definir_Texte(Attribut(organisme, 1));
        return;
    }
    ardoine::Refuser_Code(
        Messages_Criteres(), *Txt_CodeOrg,
        QStringLiteral("Cet organisme de prise en charge ne correspond pas aux critères demandés."),
        ardoine::Focus::Rendu, QStringLiteral("Avertissement"));
}

// Each value of attribute 47 is a legal-entity code followed by an activity code: with an
// activity chosen it must be that pair exactly, without one any activity of the entity serves.
bool Ctr_ArdoinePrivate::Organisme_Convient(const dba::Enregistrement& organisme) const {
    const QString entite = Txt_Association->text();
    const QString activite = Txt_Activites->text();
    const int valeurs = organisme.DCount(47);
    for (int valeur = 1; valeur <= valeurs; ++valeur) {
        const QString couple = Attribut(organisme, 47, valeur);
        if (activite.isEmpty() ? couple.left(3) == entite : couple == entite + activite) {
            return true;
        }
    }
    return false;
}

void Ctr_ArdoinePrivate::Txt_CodeOrg_KeyPress(std::int16_t& KeyAscii) {
    if (KeyAscii == ardoine::ToucheRetourArriere) {
        return;
    }
    ardoine::Completer_Sur_Entree(*Txt_CodeOrg, LargeurOrganisme, KeyAscii);
    if (KeyAscii < '0' || KeyAscii > '9') {
        KeyAscii = 0;
    }
}

void Ctr_ArdoinePrivate::Txt_CodeOrg_LostFocus() {
    ardoine::Completer_En_Sortie(*Txt_CodeOrg, LargeurOrganisme);
}

void Ctr_ArdoinePrivate::Cbo_SigleOrg_Change() {
    ardoine::Vider_Code_Si_Libelle_Vide(*Cbo_SigleOrg, *Txt_CodeOrg);
}

void Ctr_ArdoinePrivate::Cbo_SigleOrg_Click() {
    Txt_CodeOrg->setText(ardoine::Colonne(Liste_Organismes, Cbo_SigleOrg->currentIndex() + 1, 1));
}
