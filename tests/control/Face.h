#pragma once

#include <stdexcept>
#include <string>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "BoutonsHautBas.h"
#include "Ctr_Ardoine.h"
#include "ListeDeroulante.h"

namespace essai {

// The child control of that name, found as a host finds it; a missing one stops the test.
template <class Controle>
Controle* Enfant(const Ctr_Ardoine& controle, const char* nom) {
    auto* enfant = controle.findChild<Controle*>(QString::fromLatin1(nom));
    if (enfant == nullptr) {
        throw std::logic_error(std::string("Le contrôle n'a pas d'enfant ") + nom);
    }
    return enfant;
}

// The form's child controls of a control, in the order of its table of controls.
struct Face {
    explicit Face(const Ctr_Ardoine& controle)
        : Etq_Association(Enfant<QLabel>(controle, "Etq_Association")),
          Txt_Association(Enfant<QLineEdit>(controle, "Txt_Association")),
          Cbo_Association(Enfant<ardoine::ListeDeroulante>(controle, "Cbo_Association")),
          Etq_Activites(Enfant<QLabel>(controle, "Etq_Activites")),
          Txt_Activites(Enfant<QLineEdit>(controle, "Txt_Activites")),
          Cbo_Activites(Enfant<ardoine::ListeDeroulante>(controle, "Cbo_Activites")),
          Cdr_Selection(Enfant<QGroupBox>(controle, "Cdr_Selection")),
          Opt_Responsable(Enfant<QRadioButton>(controle, "Opt_Responsable")),
          Opt_Secteur(Enfant<QRadioButton>(controle, "Opt_Secteur")),
          Opt_Commune(Enfant<QRadioButton>(controle, "Opt_Commune")),
          Etq_RespSect(Enfant<QLabel>(controle, "Etq_RespSect")),
          Txt_Responsable(Enfant<QLineEdit>(controle, "Txt_Responsable")),
          Cbo_RespSect(Enfant<ardoine::ListeDeroulante>(controle, "Cbo_RespSect")),
          Etq_Commune(Enfant<QLabel>(controle, "Etq_Commune")),
          Txt_Commune(Enfant<QLineEdit>(controle, "Txt_Commune")),
          Cbo_Commune(Enfant<ardoine::ListeDeroulante>(controle, "Cbo_Commune")),
          Etq_Periode(Enfant<QLabel>(controle, "Etq_Periode")),
          Txt_Periode(Enfant<QLineEdit>(controle, "Txt_Periode")),
          Bdh_Periode(Enfant<ardoine::BoutonsHautBas>(controle, "Bdh_Periode")),
          Etq_Organisme(Enfant<QLabel>(controle, "Etq_Organisme")),
          Txt_CodeOrg(Enfant<QLineEdit>(controle, "Txt_CodeOrg")),
          Cbo_SigleOrg(Enfant<ardoine::ListeDeroulante>(controle, "Cbo_SigleOrg")),
          Prg_Accord(Enfant<QProgressBar>(controle, "Prg_Accord")),
          Cmd_Imprimer(Enfant<QPushButton>(controle, "Cmd_Imprimer")),
          Cmd_Sortir(Enfant<QPushButton>(controle, "Cmd_Sortir")) {}

    QLabel* Etq_Association;
    QLineEdit* Txt_Association;
    ardoine::ListeDeroulante* Cbo_Association;
    QLabel* Etq_Activites;
    QLineEdit* Txt_Activites;
    ardoine::ListeDeroulante* Cbo_Activites;
    QGroupBox* Cdr_Selection;
    QRadioButton* Opt_Responsable;
    QRadioButton* Opt_Secteur;
    QRadioButton* Opt_Commune;
    QLabel* Etq_RespSect;
    QLineEdit* Txt_Responsable;
    ardoine::ListeDeroulante* Cbo_RespSect;
    QLabel* Etq_Commune;
    QLineEdit* Txt_Commune;
    ardoine::ListeDeroulante* Cbo_Commune;
    QLabel* Etq_Periode;
    QLineEdit* Txt_Periode;
    ardoine::BoutonsHautBas* Bdh_Periode;
    QLabel* Etq_Organisme;
    QLineEdit* Txt_CodeOrg;
    ardoine::ListeDeroulante* Cbo_SigleOrg;
    QProgressBar* Prg_Accord;
    QPushButton* Cmd_Imprimer;
    QPushButton* Cmd_Sortir;
};

}  // namespace essai
