#include "Ctr_ArdoinePrivate.h"

#include <utility>

#include "dba/Erreur.h"
#include "droits/DroitsUtilisateur.h"

namespace {

dba::Erreur DroitsAbsents() {
    return dba::Erreur(dba::ErrDroits,
                       "Les droits de l'utilisateur n'ont pas été transmis au contrôle.");
}

}  // namespace

Ctr_ArdoinePrivate::Ctr_ArdoinePrivate(Ctr_Ardoine& controle)
    : q(controle), Module(ardoine::ObjetsModule::DuThread()), Services(ardoine::PlateformeQt()) {
    Module.Rejoindre();
}

// Lists and the last print run first, then the shared database objects (when no other control of
// the thread still uses them), then the rights.
Ctr_ArdoinePrivate::~Ctr_ArdoinePrivate() {
    Liste_Asso.reset();
    Liste_Activites.reset();
    Liste_Responsable.reset();
    Liste_Secteur.reset();
    Impression_Liste.reset();
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

void Ctr_ArdoinePrivate::Relier_Evenements() {
    Relier(Cmd_Sortir, &QPushButton::clicked, &Ctr_ArdoinePrivate::Cmd_Sortir_Click);
    Relier(Cmd_Imprimer, &QPushButton::clicked, &Ctr_ArdoinePrivate::Cmd_Imprimer_Click);
    Relier(Bdh_Periode, &QSpinBox::valueChanged, &Ctr_ArdoinePrivate::Bdh_Periode_Change);
    Relier_Criteres();
}
