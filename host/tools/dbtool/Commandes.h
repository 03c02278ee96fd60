#pragma once

#include <QStringList>
#include <vector>

#include "Console.h"

namespace dbtool {

// A sub-command: given what follows its name on the command line, returns the exit code.
// Failures are raised (dba::Erreur, ErreurUsage) and reported by the caller.
using FonctionCommande = int (*)(const QStringList& arguments, Console& console);

struct Commande {
    const char* nom;
    const char* resume;  // one line of the general help, in French
    FonctionCommande executer;
};

const std::vector<Commande>& commandes();

int commandeCreate(const QStringList& arguments, Console& console);
int commandeImport(const QStringList& arguments, Console& console);
int commandeExport(const QStringList& arguments, Console& console);
int commandeSelect(const QStringList& arguments, Console& console);
int commandeRead(const QStringList& arguments, Console& console);
int commandeIndex(const QStringList& arguments, Console& console);
int commandeDemo(const QStringList& arguments, Console& console);
int commandeCopy(const QStringList& arguments, Console& console);
int commandeDelais(const QStringList& arguments, Console& console);

}  // namespace dbtool
