// The control on the demo database, built with nothing but the flags of
// `pkg-config --static --cflags --libs ControleArdoine` (scripts/ci-prefixe.sh): the four calls
// of the host interface, then Init. Exits with 0 when the control opened the database.
//   HoteMinimalPkgConfig BASE
#include <QApplication>
#include <iostream>
#include <memory>

#include "Ctr_Ardoine.h"
#include "dba/Erreur.h"
#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: HoteMinimalPkgConfig BASE\n";
        return 2;
    }
    Ctr_Ardoine controle;
    try {
        auto client = std::make_shared<dba::TheClient>(argv[1]);
        controle.DroitsUtilisateur(
            std::make_shared<droits::DroitsFichier>(client->base(), "admin"));
        controle.TheClient(client);
        controle.TheDatabase(client->base());
        controle.Init();
    } catch (const dba::Erreur& erreur) {
        std::cerr << erreur.texte() << std::endl;
        return 1;
    }
    return 0;
}
