#include <QCoreApplication>
#include <iostream>

#include "LigneDeCommande.h"
#include "TraductionQt.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    hote::Installer_Traduction_Qt();
    std::ios::sync_with_stdio(false);
    dbtool::Console console{std::cin, std::cout, std::cerr};
    const int code = dbtool::executer(application.arguments().mid(1), console);
    std::cout.flush();
    return code;
}
