#include "Ctr_ArdoinePrivate.h"
#include "Notifications.h"

// Every handler of the criteria runs through the error reporting, so that what it raises goes to
// the host's error handler and never through the toolkit. A handler that changes a text runs
// the handlers of that text inside the assignment, each in a run of its own:
// an error in a nested handler ends that handler only.
void Ctr_ArdoinePrivate::Relier_Criteres() {
    using Gestionnaire = void (Ctr_ArdoinePrivate::*)();
    using GestionnaireTouche = void (Ctr_ArdoinePrivate::*)(std::int16_t&);

    const auto relierTouche = [this](QWidget* controle, GestionnaireTouche gestionnaire) {
        auto* notifications = ardoine::Notifications::Sur(controle);
        QObject::connect(notifications, &ardoine::Notifications::KeyPress, &q,
                         [this, gestionnaire](std::int16_t& KeyAscii) {
                             Erreurs.Executer([&] { (this->*gestionnaire)(KeyAscii); });
                         });
        return notifications;
    };
    const auto relierCode = [this, relierTouche](QLineEdit* zone, Gestionnaire change,
                                                 GestionnaireTouche touche, Gestionnaire sortie) {
        Relier(zone, &QLineEdit::textChanged, change);
        Relier(relierTouche(zone, touche), &ardoine::Notifications::LostFocus, sortie);
    };
    const auto relierListe = [this](ardoine::ListeDeroulante* liste, Gestionnaire change,
                                    Gestionnaire clic) {
        Relier(liste, &ardoine::ListeDeroulante::Change, change);
        Relier(liste, &ardoine::ListeDeroulante::Click, clic);
    };
    // An option's Click is its selection, by the user or by the program.
    const auto relierOption = [this](QRadioButton* option, Gestionnaire clic) {
        QObject::connect(option, &QRadioButton::toggled, &q, [this, clic](bool choisie) {
            if (choisie) {
                Erreurs.Executer([this, clic] { (this->*clic)(); });
            }
        });
    };

    relierCode(Txt_Association, &Ctr_ArdoinePrivate::Txt_Association_Change,
               &Ctr_ArdoinePrivate::Txt_Association_KeyPress,
               &Ctr_ArdoinePrivate::Txt_Association_LostFocus);
    relierListe(Cbo_Association, &Ctr_ArdoinePrivate::Cbo_Association_Change,
                &Ctr_ArdoinePrivate::Cbo_Association_Click);
    relierCode(Txt_Activites, &Ctr_ArdoinePrivate::Txt_Activites_Change,
               &Ctr_ArdoinePrivate::Txt_Activites_KeyPress,
               &Ctr_ArdoinePrivate::Txt_Activites_LostFocus);
    relierListe(Cbo_Activites, &Ctr_ArdoinePrivate::Cbo_Activites_Change,
                &Ctr_ArdoinePrivate::Cbo_Activites_Click);

    relierOption(Opt_Responsable, &Ctr_ArdoinePrivate::Opt_Responsable_Click);
    relierOption(Opt_Secteur, &Ctr_ArdoinePrivate::Opt_Secteur_Click);
    relierOption(Opt_Commune, &Ctr_ArdoinePrivate::Opt_Commune_Click);
    relierCode(Txt_Responsable, &Ctr_ArdoinePrivate::Txt_Responsable_Change,
               &Ctr_ArdoinePrivate::Txt_Responsable_KeyPress,
               &Ctr_ArdoinePrivate::Txt_Responsable_LostFocus);
    relierListe(Cbo_RespSect, &Ctr_ArdoinePrivate::Cbo_RespSect_Change,
                &Ctr_ArdoinePrivate::Cbo_RespSect_Click);

    relierCode(Txt_Commune, &Ctr_ArdoinePrivate::Txt_Commune_Change,
               &Ctr_ArdoinePrivate::Txt_Commune_KeyPress,
               &Ctr_ArdoinePrivate::Txt_Commune_LostFocus);
    relierListe(Cbo_Commune, &Ctr_ArdoinePrivate::Cbo_Commune_Change,
                &Ctr_ArdoinePrivate::Cbo_Commune_Click);
    relierTouche(Cbo_Commune, &Ctr_ArdoinePrivate::Cbo_Commune_KeyPress);
    Relier(Cbo_Commune, &ardoine::ListeDeroulante::DropDown,
           &Ctr_ArdoinePrivate::Cbo_Commune_DropDown);

    relierCode(Txt_CodeOrg, &Ctr_ArdoinePrivate::Txt_CodeOrg_Change,
               &Ctr_ArdoinePrivate::Txt_CodeOrg_KeyPress,
               &Ctr_ArdoinePrivate::Txt_CodeOrg_LostFocus);
    relierListe(Cbo_SigleOrg, &Ctr_ArdoinePrivate::Cbo_SigleOrg_Change,
                &Ctr_ArdoinePrivate::Cbo_SigleOrg_Click);
}
