#include "Ctr_ArdoinePrivate.h"
#include "outils/Outils.h"

// The selection of the agreements that end in the chosen month, for the criteria of the form,
// sorted by group when no group is given, then by the aided person's name.

namespace {

std::string Texte(const QLineEdit* zone) {
    return zone->text().toStdString();
}

rapport::PartieSelection Condition(std::string attribut, std::string operateur,
                                   std::string valeur) {
    return {rapport::PartieSelection::Genre::Condition, std::move(attribut), std::move(operateur),
            std::move(valeur)};
}

rapport::PartieSelection Tri(std::string attribut) {
    return {rapport::PartieSelection::Genre::Tri, std::move(attribut), {}, {}};
}

}  // namespace

dba::ListeResultat Ctr_ArdoinePrivate::Selectionner_Accords() {
    dba::Requete requete;
    requete.definir(1, Phrase_Selection(Bornes_Periode()));
    requete.definir(2, "ACCORD");
    requete.definir(3, "0 6 1");
    std::string sortie;
    dba::ListeResultat accords;
    Module.Base().ExecuterSelection(requete.texte(), std::string(), sortie, accords);
    return accords;
}

// The day numbers of the first and of the last day of the period's month.
Ctr_ArdoinePrivate::Bornes Ctr_ArdoinePrivate::Bornes_Periode() const {
    const outils::Outils& outils = outils::Outils::Partage();
    const std::string annee = Annee_Courante.toStdString();
    const std::string premier =
        outils.DateInterne("01/" + Mois_Courant.toStdString() + "/" + annee);
    int moisSuivant = Mois_Courant.toInt() + 1;
    std::string anneeSuivante = annee;
    if (moisSuivant == 13) {
        moisSuivant = 1;
        anneeSuivante = std::to_string(Annee_Courante.toInt() + 1);
    }
    const std::string mois =
        QString::number(moisSuivant).rightJustified(2, QLatin1Char('0')).toStdString();
    const std::string suivant = outils.DateInterne("01/" + mois + "/" + anneeSuivante);
    return Bornes{premier, std::to_string(std::stoll(suivant) - 1)};
}

// Values go into the sentence exactly as they stand in the fields; a criterion holding a
// double quote is refused beforehand (Refuser_Critere_Avec_Guillemet).
std::string Ctr_ArdoinePrivate::Phrase_Selection(const Bornes& bornes) const {
    return rapport::Phrase_Accords(Parties_Selection(bornes));
}

std::vector<rapport::PartieSelection> Ctr_ArdoinePrivate::Parties_Selection() const {
    return Parties_Selection(Bornes_Periode());
}

std::vector<rapport::PartieSelection> Ctr_ArdoinePrivate::Parties_Selection(
    const Bornes& bornes) const {
    const std::string entite = Texte(Txt_Association);
    std::vector<rapport::PartieSelection> parties{
        Condition("TypeOrgChgAcc", "=", "P"),
        Condition("6", ">=", bornes.premier),
        Condition("6", "<=", bornes.dernier),
        Condition("EntiteAccord", "=", entite),
        Condition("DateSortieAideAccord", "=", ""),
        Condition("18", "=", ""),
        Condition("20", "=", ""),
    };
    if (!Txt_Activites->text().isEmpty()) {
        parties.push_back(Condition("ActivitesOrg", "=", entite + Texte(Txt_Activites)));
    }
    parties.push_back(Partie_Groupe());
    if (Organisme_Choisi()) {
        parties.push_back(Condition("1", "=", Texte(Txt_CodeOrg)));
    }
    parties.push_back(Tri("NomPrenomAide"));
    return parties;
}

// A group code limits the list to that group; without one the list is sorted by group.
rapport::PartieSelection Ctr_ArdoinePrivate::Partie_Groupe() const {
    const std::string responsable = Texte(Txt_Responsable);
    if (Opt_Responsable->isChecked()) {
        return responsable.empty() ? Tri("Responsable")
                                   : Condition("CodeResponsable", "=", responsable);
    }
    if (Opt_Secteur->isChecked()) {
        return responsable.empty() ? Tri("Secteur") : Condition("CodeSecteur", "=", responsable);
    }
    const std::string commune = Texte(Txt_Commune);
    return commune.empty() ? Tri("CommuneAide") : Condition("CommuneAide", "=", commune);
}

// A funding-body code counts only while its label is shown.
bool Ctr_ArdoinePrivate::Organisme_Choisi() const {
    return !Txt_CodeOrg->text().isEmpty() && !Cbo_SigleOrg->currentText().isEmpty();
}

// A double quote would end the value it stands in and change the sentence: such a criterion
// is refused with a message, the focus on its box, and nothing is selected.
bool Ctr_ArdoinePrivate::Refuser_Critere_Avec_Guillemet() {
    const bool commune = !Opt_Responsable->isChecked() && !Opt_Secteur->isChecked();
    std::vector<std::pair<const QLabel*, QLineEdit*>> criteres{
        {Etq_Association, Txt_Association},
        {Etq_Activites, Txt_Activites},
        commune ? std::pair{Etq_Commune, Txt_Commune} : std::pair{Etq_RespSect, Txt_Responsable},
    };
    if (Organisme_Choisi()) {
        criteres.emplace_back(Etq_Organisme, Txt_CodeOrg);
    }
    for (const auto& [etiquette, zone] : criteres) {
        if (zone->text().contains(QLatin1Char('"'))) {
            Message_Impression(ardoine::Icone::Exclamation,
                               QStringLiteral("Le critère « %1 » contient un guillemet : "
                                              "impression impossible.")
                                   .arg(etiquette->text().trimmed()));
            zone->setFocus();
            return true;
        }
    }
    return false;
}
