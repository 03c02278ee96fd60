#include "LotDeFichiers.h"

#include <sys/stat.h>

#include <utility>

#include "AnnulationSurSignal.h"
#include "Remplacement.h"

namespace outils {

namespace {

thread_local LotEnCours* lotActuel = nullptr;

bool Meme_Dossier(const DossierOuvert& un, const DossierOuvert& autre) {
    struct stat premier {};
    struct stat second {};
    return ::fstat(un.Descripteur(), &premier) == 0 && ::fstat(autre.Descripteur(), &second) == 0 &&
           premier.st_dev == second.st_dev && premier.st_ino == second.st_ino;
}

}  // namespace

LotEnCours::LotEnCours() : precedent_(std::exchange(lotActuel, this)) {}

LotEnCours::~LotEnCours() {
    lotActuel = precedent_;
    // The last put in place is the first put back.
    while (!fichiers_.empty()) {
        fichiers_.pop_back();
    }
}

LotEnCours* LotEnCours::Actuel() {
    return lotActuel;
}

bool LotEnCours::Premier_Du_Dossier(int dossier) {
    struct stat etat {};
    return ::fstat(dossier, &etat) != 0 || dossiers_.emplace(etat.st_dev, etat.st_ino).second;
}

// The files of a lot share their folder's descriptor, so that a lot of any size holds one
// descriptor per folder rather than one per file.
void LotEnCours::Recevoir(std::unique_ptr<Remplacement> fichier) {
    for (const auto& recu : fichiers_) {
        if (recu->Dossier() == fichier->Dossier()) {
            break;
        }
        if (Meme_Dossier(*recu->Dossier(), *fichier->Dossier())) {
            fichier->Partager_Dossier(recu->Dossier());
            break;
        }
    }
    fichiers_.push_back(std::move(fichier));
}

void LotEnCours::Mettre_En_Place() {
    for (const auto& fichier : fichiers_) {
        fichier->Mettre_En_Place();
    }
    const DossierOuvert* synchronise = nullptr;
    for (const auto& fichier : fichiers_) {
        if (fichier->Dossier().get() != synchronise) {
            fichier->Synchroniser_Dossier();
            synchronise = fichier->Dossier().get();
        }
    }
    // From here on the lot stands: a signal waits until every old file is dropped.
    const SignauxRetenus retenus;
    for (const auto& fichier : fichiers_) {
        fichier->Confirmer();
    }
    fichiers_.clear();
}

std::vector<std::string> Ecrire_Lot(const std::vector<FichierDuLot>& fichiers) {
    LotEnCours lot;
    std::vector<std::string> ecrits;
    for (const FichierDuLot& fichier : fichiers) {
        fichier.ecrire();
        ecrits.push_back(fichier.chemin);
    }
    lot.Mettre_En_Place();
    return ecrits;
}

}  // namespace outils
