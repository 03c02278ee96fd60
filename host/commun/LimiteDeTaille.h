#pragma once

namespace hote {

// Under a file-size limit (ulimit -f), a write past it would kill the process with SIGXFSZ,
// silently and leaving its provisional files behind. Ignored, the write fails with EFBIG
// instead, which the program reports in French and cleans up after. Call at the start of main.
void Ecrire_Sous_Limite_De_Taille();

}  // namespace hote
