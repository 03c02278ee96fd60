#pragma once

#include <QString>

class QCoreApplication;

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
    QString copies;
    QString sortie;
    QString imprimante;
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
    QString base;
    QString login;
    // When set, the window is saved to this PNG file after Init and the program ends.
    QString capture;
    OptionsImpression impression;
    OptionsExplication explication;
};

// Reads the command line; --help, --version and a malformed line end the program.
Options Lire_Options(const QCoreApplication& application);

}  // namespace demo
