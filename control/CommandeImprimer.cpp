#include "CriteresAffiches.h"
#include "Ctr_ArdoinePrivate.h"
#include "droits/DroitsUtilisateur.h"

// The print command: one press prints every copy of the list for the criteria of the form, then
// closes the host form. The run is given the criteria once, at the click; a run that fails
// leaves nothing printed and the form open, so that the user can try again.

namespace {

std::string Texte(const QLineEdit* zone) {
    return zone->text().toStdString();
}

}  // namespace

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
    Impression_Liste = Nouvelle_Impression();
    if (!Impression_Liste->Imprimer()) {
        Vider_Champs();
    }
    // The run ends as the exit button does.
    Cmd_Sortir_Click();
}

std::unique_ptr<rapport::Impression> Ctr_ArdoinePrivate::Nouvelle_Impression() {
    return std::make_unique<rapport::Impression>(rapport::ContexteImpression{
        Module, Services, Droits_Module,
        Droits_Utilisateur ? Droits_Utilisateur->Nom() : std::string(), Criteres_Du_Formulaire(),
        rapport::OptionsImpression{Nombre_Mois_Imprimes, Un_Fichier_Par_Groupe},
        *Avancement_Impression, Observateur_Liste_});
}

// The run of the last click; before the first, one on the form as it stands.
rapport::Impression& Ctr_ArdoinePrivate::Impression_En_Cours() {
    if (!Impression_Liste) {
        Impression_Liste = Nouvelle_Impression();
    }
    return *Impression_Liste;
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
        Mois_Affiche};
}

rapport::CriteresListe Criteres_Affiches(const Ctr_Ardoine& controle) {
    return Ctr_ArdoinePrivate::De(controle).Criteres_Du_Formulaire();
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

void Ctr_ArdoinePrivate::Message_Impression(ardoine::Icone icone, const QString& texte) {
    Services.messages->Afficher(texte, icone, QStringLiteral("Message KORVANE"));
}
