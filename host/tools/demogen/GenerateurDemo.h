#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "DonneesReference.h"
#include "TailleDemo.h"

namespace demogen {

// The demo database as JSON Lines of the interchange format, made batch by batch so that even
// the largest size streams through a small buffer. The same seed and size give the same bytes.
class GenerateurDemo {
  public:
    GenerateurDemo(DonneesReference donnees, TailleDemo taille, std::uint64_t graine);
    ~GenerateurDemo();

    // Appends the next batch of whole lines; false once everything has been written.
    bool lotSuivant(std::string& lignes);

    // Writes every batch to the stream.
    void ecrireTout(std::ostream& sortie);

  private:
    struct Etat;
    std::unique_ptr<Etat> etat_;
};

}  // namespace demogen
