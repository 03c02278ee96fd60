#include "Ctr_ArdoinePrivate.h"

#include <utility>

#include "dba/Erreur.h"
#include "droits/DroitsUtilisateur.h"

namespace {

const QString TitreMessages = QStringLiteral("Message KORVANE");

dba::Erreur DroitsAbsents() {
    return dba::Erreur(dba::ErrDroits,
                       "Les droits de l'utilisateur n'ont pas été transmis au contrôle.");
}

// A message box that shows nothing.
class Silence : public ardoine::Messages {
  public:
    void Afficher(const QString& /*texte*/, ardoine::Icone /*icone*/,
                  const QString& /*titre*/) override {}
};

// Sets a flag for the length of a scope, whatever ends it.
class Drapeau {
  public:
    explicit Drapeau(bool& drapeau) : drapeau_(drapeau), avant_(std::exchange(drapeau, true)) {}
    ~Drapeau() { drapeau_ = avant_; }
    Drapeau(const Drapeau&) = delete;
    Drapeau& operator=(const Drapeau&) = delete;

  private:
    bool& drapeau_;
    bool avant_;
};

}  // namespace

Ctr_ArdoinePrivate::Ctr_ArdoinePrivate(Ctr_Ardoine& controle)
    : q(controle), Module(ardoine::ObjetsModule::DuThread()), Services(ardoine::PlateformeQt()) {
    Module.Rejoindre();
}

// Lists first, then the shared database objects (when no other control of the thread still
// uses them), then the rights.
Ctr_ArdoinePrivate::~Ctr_ArdoinePrivate() {
    Liste_Asso.reset();
    Liste_Activites.reset();
    Liste_Responsable.reset();
    Liste_Secteur.reset();
    Liste_Accord.reset();
    Liste_Communes.reset();
    Module.Quitter();
    Droits_Module.reset();
    Droits_Utilisateur.reset();
}

void Ctr_ArdoinePrivate::DroitsUtilisateur(std::shared_ptr<droits::DroitsUtilisateur> droits) {
    if (!droits) {
        throw DroitsAbsents();
    }
    Droits_Utilisateur = std::move(droits);
    Droits_Module = Droits_Utilisateur->LireDroitsModule("ARDOINE");
}

void Ctr_ArdoinePrivate::Init() {
    Controle_Droits();
    const ardoine::ObjetsModule::Fichiers fichiersAvant = Module.Fichiers_Ouverts();
    Module.Ouvrir_Fichiers();
    try {
        Remplir_Asso();
        Remplir_Responsable();
        Prendre_Mois_Courant();
        Placer_Periode(0);
    } catch (...) {
        Module.Remplacer_Fichiers(fichiersAvant);
        throw;
    }
}

void Ctr_ArdoinePrivate::Controle_Droits() {
    if (!Droits_Module) {
        throw DroitsAbsents();
    }
    if (Droits_Module->NiveauAcces() != 2) {
        Cmd_Imprimer->setVisible(false);
    }
}

void Ctr_ArdoinePrivate::Cmd_Sortir_Click() {
    W_Sortir = true;
    Services.forme->Decharger(q);
}

// Emptying the legal entity empties the activity, whose change refills the funding bodies:
// that refill must not tell the user that no funding body serves an entity the user did not
// choose.
void Ctr_ArdoinePrivate::Vider_Champs() {
    const Drapeau effacement(Criteres_En_Effacement);
    Txt_Association->setText(QString());
    Cbo_Association->Definir_Texte(QString());
    Txt_Activites->setText(QString());
    Cbo_Activites->Vider();
    Opt_Responsable->setChecked(true);
    Txt_Responsable->setText(QString());
    Cbo_RespSect->Definir_Texte(QString());
    Cmd_Imprimer->setEnabled(false);
}

ardoine::Messages& Ctr_ArdoinePrivate::Messages_Criteres() {
    static Silence silence;
    return Criteres_En_Effacement ? static_cast<ardoine::Messages&>(silence) : *Services.messages;
}

void Ctr_ArdoinePrivate::Executer_Evenement(const std::function<void()>& gestionnaire) noexcept {
    try {
        gestionnaire();
    } catch (const std::exception& erreur) {
        Signaler_Erreur(erreur);
    } catch (...) {
        Signaler_Erreur(std::runtime_error("Erreur inattendue."));
    }
}

// An error handler that fails in turn has nowhere left to report to.
void Ctr_ArdoinePrivate::Signaler_Erreur(const std::exception& erreur) noexcept {
    try {
        if (Gestionnaire_Erreurs) {
            Gestionnaire_Erreurs(erreur);
        } else {
            Services.messages->Afficher(QString::fromUtf8(erreur.what()), ardoine::Icone::Critique,
                                        TitreMessages);
        }
    } catch (...) {
    }
}

void Ctr_ArdoinePrivate::Definir_Pointeur(int numero) {
    Pointeur_Souris = numero;
    Services.pointeur->Definir(numero);
}

void Ctr_ArdoinePrivate::Relier_Evenements() {
    Relier(Cmd_Sortir, &QPushButton::clicked, &Ctr_ArdoinePrivate::Cmd_Sortir_Click);
    Relier(Cmd_Imprimer, &QPushButton::clicked, &Ctr_ArdoinePrivate::Cmd_Imprimer_Click);
    Relier(Bdh_Periode, &QSpinBox::valueChanged, &Ctr_ArdoinePrivate::Bdh_Periode_Change);
    Relier_Criteres();
}
