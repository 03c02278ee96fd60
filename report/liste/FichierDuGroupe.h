#pragma once

#include <string>

namespace rapport {

// The file of one group beside the file of the whole list: "DOSSIER/NOM.ext" gives
// "DOSSIER/NOM-<groupe>.ext" (a name without extension takes the group at its end). The code
// is written so that the name stays in the folder and no two codes share a name, whatever they
// hold: the ASCII letters (A-Z, a-z), digits and hyphens as they are, every other byte (of the
// slash, the dot, the space, the apostrophe, the underscore, the percent sign, an accented
// letter...) as "%XX", and the empty code of the persons without a group as "_sans_groupe", which
// no code gives since an underscore is always written "%5F".
std::string Fichier_Du_Groupe(const std::string& fichier, const std::string& groupe);

// The code as it stands in the file's name.
std::string Code_Dans_Un_Nom(const std::string& groupe);

}  // namespace rapport
