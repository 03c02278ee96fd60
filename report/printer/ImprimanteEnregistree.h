#pragma once

#include <vector>

#include "Imprimante.h"

namespace imprimante {

// A printer that only remembers: every document it was given, with every drawing at its
// coordinates and font, and whether the document was sent or abandoned. Layout can so be
// checked to the twip without a device.
class ImprimanteEnregistree : public Imprimante {
  public:
    enum class Sort { Envoye, Abandonne };

    struct DocumentTermine {
        Document document;
        Sort sort;
    };

    // The finished documents, in the order they ended; the one in progress is
    // DocumentEnCours().
    const std::vector<DocumentTermine>& Documents() const { return documents_; }

  protected:
    void Envoyer(const PagesImprimees& pages) override;
    void Abandonner(const PagesImprimees& pages) override;

  private:
    std::vector<DocumentTermine> documents_;
};

}  // namespace imprimante
