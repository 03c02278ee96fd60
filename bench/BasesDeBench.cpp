#include "BasesDeBench.h"

#include <filesystem>
#include <iostream>

#include "dbtool/BaseDemo.h"

std::string baseDeBench(const std::string& taille) {
    const std::filesystem::path dossier(ARDOINE_BENCH_CACHE);
    const auto chemin = dossier / (taille + ".db");
    if (!std::filesystem::exists(chemin)) {
        std::cerr << "génération de " << chemin.string() << "...\n";
        std::filesystem::create_directories(dossier);
        dbtool::creerBaseDemo(chemin, demogen::TailleDemo::parNom(taille), 1, ARDOINE_DATA_DIR);
    }
    return chemin.string();
}
