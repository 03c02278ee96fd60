#include <QCoreApplication>
#include <iostream>

#include "LigneDeCommande.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    dbtool::installerTraductionQt();
    std::ios::sync_with_stdio(false);
    dbtool::Console console{std::cin, std::cout, std::cerr};
    const int code = dbtool::executer(application.arguments().mid(1), console);
    std::cout.flush();
    return code;
}
