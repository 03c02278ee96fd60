#pragma once

#include <cstdint>
#include <vector>

#include "AttentePages.h"
#include "Document.h"
#include "ExportControle.h"

namespace imprimante {

// The pages of a document being printed, as few of them in memory as can be: the page being
// drawn only. Every page finished, and every page put in among them, waits in the file that
// every document of the process shares (AttentePages), read back one page at a time when the
// document is sent, its room given back when the document goes; only the order of the pages is
// kept in memory. So a document of any length costs the memory of one page, and any number of
// documents one file. A failure of that file raises dba::Erreur.
class CONTROLE_ARDOINE_EXPORT PagesImprimees {
  public:
    PagesImprimees();
    ~PagesImprimees();
    PagesImprimees(PagesImprimees&&) noexcept;
    PagesImprimees& operator=(PagesImprimees&&) noexcept;

    // A drawing on the page being drawn, the last one.
    void Dessiner(Operation operation);
    // The page being drawn is finished; the next one begins.
    void Nouvelle_Page();
    // The pages of `pages` go in before page `page` (1: in front), which must be at most the
    // page being drawn.
    void Inserer(int page, const Document& pages);

    // The pages, at least one.
    int Nombre() const { return static_cast<int>(attente_.size()) + 1; }
    // Nothing drawn on any page.
    bool Vide() const { return operations_ == 0; }
    // The drawings of page `page` alone, numbered as that page.
    Document Page(int page) const;
    // Every page, as one document.
    Document Tout() const;

  private:
    PlaceAttente Mettre_En_Attente(const std::vector<Operation>& operations);
    void Liberer() noexcept;

    // The waiting pages in their order, the page being drawn after them.
    std::vector<PlaceAttente> attente_;
    std::vector<Operation> courante_;
    std::int64_t operations_ = 0;
};

}  // namespace imprimante
