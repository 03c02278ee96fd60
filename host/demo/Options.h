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
};

struct Options {
    // Empty: open the form; "print": print the list to a PDF file without showing the form.
    QString commande;
    QString base;
    QString login;
    // When set, the window is saved to this PNG file after Init and the program ends.
    QString capture;
    OptionsImpression impression;
};

// Reads the command line; --help, --version and a malformed line end the program.
Options Lire_Options(const QCoreApplication& application);

}  // namespace demo
