#pragma once

#include <QString>
#include <QStringList>

#include "BaseParDefaut.h"

namespace demo {

// The options of the print command, as typed; empty when not given.
struct OptionsImpression {
    QString entite;
    QString activite;
    QString responsable;
    QString secteur;
    QString commune;
    QString par;
    QString organisme;
    QString mois;
    // The first and the last month of a range, in place of --mois.
    QString du;
    QString au;
    QString copies;
    QString sortie;
    QString imprimante;
    bool unFichierParGroupe = false;
};

// What the "explique" command is asked about, besides the criteria of the print command.
struct OptionsExplication {
    QString aide;
    QString accord;
    bool json = false;
};

struct Options {
    // Empty: open the form; "print": print the list without showing the form; "explique":
    // say why each agreement of a person is, or is not, on the list.
    QString commande;
    BaseChoisie base;
    QString login;
    // When set, the window is saved to this PNG file after Init and the program ends.
    QString capture;
    OptionsImpression impression;
    OptionsExplication explication;
    // --help: the program shows Texte_Aide() and does nothing else.
    bool aide = false;
    // --version: print the versions and stop.
    bool version = false;
};

// Reads the command line (the program's name first). Needs no application object, so that the
// platform can be chosen from the command. A line that cannot be understood (unknown option or
// command, missing value, print options without the print command) raises dba::Erreur
// (ErrArgument) with a French text.
Options Lire_Options(const QStringList& arguments);

// The text of --help. Needs a running QCoreApplication.
QString Texte_Aide();

}  // namespace demo
