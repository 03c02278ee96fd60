#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace outils {

class Remplacement;

// One file of a lot: its path, and what writes it there (through FichierEntier).
struct FichierDuLot {
    std::string chemin;
    std::function<void()> ecrire;
};

// Writes the files of a lot so that the folder holds either all of them or, after any failure
// or a signal that ends the process, exactly what it held before. Each file is first written
// whole beside its target, under a provisional name; only once all of them are ready do they
// take their targets' places, each old file kept under a second link until every one is in
// place and the folders are on the disk, and put back if one cannot be. Returns the paths
// written, in order.
std::vector<std::string> Ecrire_Lot(const std::vector<FichierDuLot>& fichiers);

// The lot being written on this thread, to which FichierEntier::Terminer hands its file once
// ready rather than putting it in place itself.
class LotEnCours {
  public:
    LotEnCours();
    // Undoes whatever is not confirmed: provisional files removed, old files put back.
    ~LotEnCours();
    LotEnCours(const LotEnCours&) = delete;
    LotEnCours& operator=(const LotEnCours&) = delete;

    // The lot open on this thread, or none.
    static LotEnCours* Actuel();

    // True the first time a file of the lot is written in that folder (a descriptor): the
    // leftovers of killed runs are looked for once per folder, not once per file.
    bool Premier_Du_Dossier(int dossier);
    void Recevoir(std::unique_ptr<Remplacement> fichier);
    // Every file received in place, then confirmed.
    void Mettre_En_Place();

  private:
    LotEnCours* precedent_;
    std::vector<std::unique_ptr<Remplacement>> fichiers_;
    std::set<std::pair<dev_t, ino_t>> dossiers_;
};

}  // namespace outils
