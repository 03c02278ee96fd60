#pragma once

#include <QString>

class QCoreApplication;

namespace demo {

struct Options {
    // Empty: open the form.
    QString commande;
    QString base;
    QString login;
    // When set, the window is saved to this PNG file after Init and the program ends.
    QString capture;
};

// Reads the command line; --help, --version and a malformed line end the program.
Options Lire_Options(const QCoreApplication& application);

}  // namespace demo
