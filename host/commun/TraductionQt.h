#pragma once

namespace hote {

// Qt's own texts (command-line help, standard dialog buttons) in French, as every other text
// the user sees. Without the translation files Qt's English stays.
void Installer_Traduction_Qt();

}  // namespace hote
