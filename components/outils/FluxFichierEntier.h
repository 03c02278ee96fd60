#pragma once

#include <streambuf>

#include "FichierEntier.h"

namespace outils {

// A FichierEntier as the buffer of a std::ostream. A failed write raises its dba::Erreur
// through the stream when the stream's exceptions include badbit (set them).
class FluxFichierEntier : public std::streambuf {
  public:
    explicit FluxFichierEntier(FichierEntier& fichier) : fichier_(fichier) {}

  protected:
    int_type overflow(int_type caractere) override;
    std::streamsize xsputn(const char* octets, std::streamsize taille) override;

  private:
    FichierEntier& fichier_;
};

}  // namespace outils
