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
    requete.definir(1, rapport::Phrase_Accords(Parties_Selection(Etat.criteres)));
    requete.definir(2, "ACCORD");
    requete.definir(3, "0 6 1");
    std::string sortie;
    dba::ListeResultat accords;
    Module.Base().ExecuterSelection(requete.texte(), std::string(), sortie, accords);
    return accords;
}

// The criteria as the form shows them; the commune's code is the group only while the commune
// option is chosen.
rapport::CriteresListe Ctr_ArdoinePrivate::Criteres_Du_Formulaire() const {
    using Regroupement = rapport::CriteresListe::Regroupement;
    const Regroupement regroupement = Opt_Responsable->isChecked() ? Regroupement::Responsable
                                      : Opt_Secteur->isChecked()   ? Regroupement::Secteur
                                                                   : Regroupement::Commune;
    return rapport::CriteresListe{
        Texte(Txt_Association),
        Texte(Txt_Activites),
        regroupement,
        Texte(regroupement == Regroupement::Commune ? Txt_Commune : Txt_Responsable),
        Organisme_Choisi() ? Texte(Txt_CodeOrg) : std::string(),
        Mois_Courant,
        Annee_Courante,
        Txt_Periode->text()};
}

// The day numbers of the first and of the last day of the period's month.
Ctr_ArdoinePrivate::Bornes Ctr_ArdoinePrivate::Bornes_Periode(
    const rapport::CriteresListe& criteres) {
    const outils::Outils& outils = outils::Outils::Partage();
    const std::string annee = criteres.annee.toStdString();
    const std::string premier =
        outils.DateInterne("01/" + criteres.mois.toStdString() + "/" + annee);
    int moisSuivant = criteres.mois.toInt() + 1;
    std::string anneeSuivante = annee;
    if (moisSuivant == 13) {
        moisSuivant = 1;
        anneeSuivante = std::to_string(criteres.annee.toInt() + 1);
    }
    const std::string mois =
        QString::number(moisSuivant).rightJustified(2, QLatin1Char('0')).toStdString();
    const std::string suivant = outils.DateInterne("01/" + mois + "/" + anneeSuivante);
    return Bornes{premier, std::to_string(std::stoll(suivant) - 1)};
}

// Values go into the sentence exactly as they stand in the fields; a criterion holding a
// double quote is refused beforehand (Refuser_Critere_Avec_Guillemet).
std::vector<rapport::PartieSelection> Ctr_ArdoinePrivate::Parties_Selection(
    const rapport::CriteresListe& criteres) const {
    const Bornes bornes = Bornes_Periode(criteres);
    const std::string& entite = criteres.entite;
    std::vector<rapport::PartieSelection> parties{
        Condition("TypeOrgChgAcc", "=", "P"),
        Condition("6", ">=", bornes.premier),
        Condition("6", "<=", bornes.dernier),
        Condition("EntiteAccord", "=", entite),
        Condition("DateSortieAideAccord", "=", ""),
        Condition("18", "=", ""),
        Condition("20", "=", ""),
    };
    if (!criteres.activite.empty()) {
        parties.push_back(Condition("ActivitesOrg", "=", entite + criteres.activite));
    }
    parties.push_back(Partie_Groupe(criteres));
    if (!criteres.organisme.empty()) {
        parties.push_back(Condition("1", "=", criteres.organisme));
    }
    parties.push_back(Tri("NomPrenomAide"));
    return parties;
}

// A group code limits the list to that group; without one the list is sorted by group.
rapport::PartieSelection Ctr_ArdoinePrivate::Partie_Groupe(const rapport::CriteresListe& criteres) {
    const std::string& groupe = criteres.groupe;
    switch (criteres.regroupement) {
        case rapport::CriteresListe::Regroupement::Responsable:
            return groupe.empty() ? Tri("Responsable") : Condition("CodeResponsable", "=", groupe);
        case rapport::CriteresListe::Regroupement::Secteur:
            return groupe.empty() ? Tri("Secteur") : Condition("CodeSecteur", "=", groupe);
        case rapport::CriteresListe::Regroupement::Commune:
            break;
    }
    return groupe.empty() ? Tri("CommuneAide") : Condition("CommuneAide", "=", groupe);
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
