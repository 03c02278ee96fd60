#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <string>

#include "Console.h"

namespace dbtool {

inline constexpr const char* NomProgramme = "ardoine-db";

// What an argument naming a database takes, as its help says it: a file, or a server
// database when the program was built with the server store.
QString aideBase();
// The same for a database the command creates.
QString aideBaseNouvelle();

// The command line of one sub-command, parsed by Qt: its arguments, its options and --help.
class Parametres {
  public:
    Parametres(const QString& commande, const QString& description);

    void argument(const QString& nom, const QString& description, bool facultatif = false);
    void option(const QCommandLineOption& option);

    // Parses what follows the sub-command's name. Returns false when the help was asked for
    // (it is then written out); raises ErreurUsage when the line is wrong.
    bool lire(const QStringList& arguments, Console& console);

    // Argument i (from 0), "" when it was not given.
    std::string positionnel(int i) const;
    bool estPose(const QCommandLineOption& option) const;
    std::string valeur(const QCommandLineOption& option) const;

  private:
    QString aide() const;
    void verifierNombreDArguments() const;

    QCommandLineParser parseur_;
    QString commande_;
    QStringList syntaxe_;
    int obligatoires_ = 0;
    int facultatifs_ = 0;
};

}  // namespace dbtool
