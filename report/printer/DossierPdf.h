#pragma once

#include <optional>
#include <string>

namespace imprimante {

// Where a PDF file can be written, checked before anything is printed: the folder of the path
// must exist and be writable. The French reason when it cannot be, nothing when it can.
std::optional<std::string> Probleme_Fichier_Pdf(const std::string& chemin);

// The folder a PDF file is first suggested in: the user's documents, or the home folder on an
// account that has no documents folder yet.
std::string Dossier_Pdf_Par_Defaut();

}  // namespace imprimante
