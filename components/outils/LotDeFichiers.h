#pragma once

#include <functional>
#include <memory>
#include <string>
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

    void Recevoir(std::unique_ptr<Remplacement> fichier);
    // Every file received in place, then confirmed.
    void Mettre_En_Place();

  private:
    LotEnCours* precedent_;
    std::vector<std::unique_ptr<Remplacement>> fichiers_;
};

}  // namespace outils
