#include <QCoreApplication>
#include <iostream>

#include "LectureArguments.h"
#include "LigneDeCommande.h"
#include "LimiteDeTaille.h"
#include "TraductionQt.h"

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    hote::Ecrire_Sous_Limite_De_Taille();
    // Read first: the application reads the argument bytes again, after their passwords are
    // overwritten.
    const QStringList arguments = hote::Lire_Arguments(argc, argv, std::cerr);
    QCoreApplication application(argc, argv);
    hote::Installer_Traduction_Qt();
    dbtool::Console console{std::cin, std::cout, std::cerr};
    const int code = dbtool::executer(arguments.mid(1), console);
    std::cout.flush();
    return code;
}
