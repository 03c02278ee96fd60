#include "FichierProvisoire.h"

#include <unistd.h>

#include <atomic>

#include "dba/Erreur.h"

namespace dbtool {

namespace {

std::filesystem::path nomProvisoire(const std::filesystem::path& destination) {
    static std::atomic<int> compteur = 0;
    auto nom = destination;
    nom += ".partiel-" + std::to_string(::getpid()) + "-" + std::to_string(compteur++);
    return nom;
}

[[noreturn]] void echec(const std::string& texte, const std::filesystem::path& chemin) {
    throw dba::Erreur(dba::ErrStockage, texte + " : " + chemin.string());
}

}  // namespace

FichierProvisoire::FichierProvisoire(std::filesystem::path destination)
    : destination_(std::move(destination)), provisoire_(nomProvisoire(destination_)) {
    if (std::filesystem::exists(destination_)) {
        echec("le fichier existe déjà", destination_);
    }
}

FichierProvisoire::~FichierProvisoire() {
    if (!enPlace_) {
        supprimerBase(provisoire_);
    }
}

void FichierProvisoire::ecrire(
    const std::function<void(const std::string& chemin)>& ecriture) const {
    try {
        ecriture(provisoire_.string());
    } catch (const dba::Erreur& erreur) {
        std::string texte = erreur.texte();
        const std::string provisoire = provisoire_.string();
        for (auto position = texte.find(provisoire); position != std::string::npos;
             position = texte.find(provisoire, position)) {
            texte.replace(position, provisoire.size(), destination_.string());
            position += destination_.string().size();
        }
        throw dba::Erreur(erreur.numero(), texte);
    }
}

void FichierProvisoire::mettreEnPlace() {
    std::error_code erreur;
    // A database closed without error holds everything in itself and leaves no journal. One
    // left beside it means that closing could not write it all to the file (a full or failing
    // disk), or that a transaction did not end: the file alone is not the database, and must
    // not be put in place.
    for (const char* suffixe : {"-wal", "-journal"}) {
        auto journal = provisoire_;
        journal += suffixe;
        if (std::filesystem::exists(journal, erreur)) {
            echec("impossible d'écrire entièrement le fichier", destination_);
        }
    }
    // A hard link fails when the destination exists, where a rename would replace it.
    std::filesystem::create_hard_link(provisoire_, destination_, erreur);
    if (erreur) {
        echec(std::filesystem::exists(destination_) ? "le fichier existe déjà"
                                                    : "impossible d'écrire le fichier",
              destination_);
    }
    enPlace_ = true;
    supprimerBase(provisoire_);
}

void supprimerBase(const std::filesystem::path& chemin) {
    for (const char* suffixe : {"", "-wal", "-shm", "-journal"}) {
        auto fichier = chemin;
        fichier += suffixe;
        std::error_code ignoree;
        std::filesystem::remove(fichier, ignoree);
    }
}

}  // namespace dbtool
