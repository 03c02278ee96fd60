#pragma once

#include <functional>
#include <string>
#include <vector>

namespace outils {

// One file of a lot: its path, and what writes it there (through FichierEntier).
struct FichierDuLot {
    std::string chemin;
    std::function<void()> ecrire;
};

// Writes the files one after the other, each whole or not at all; when one fails, those this
// call already wrote are removed before the failure goes on, so that a lot is on the disk whole
// or not at all. A file that one of them replaced is gone with it: the folder then holds none
// of the lot's names. Returns the paths written, in order.
std::vector<std::string> Ecrire_Lot(const std::vector<FichierDuLot>& fichiers);

}  // namespace outils
