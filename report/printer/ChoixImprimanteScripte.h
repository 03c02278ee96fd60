#pragma once

#include <vector>

#include "ChoixImprimante.h"

namespace imprimante {

// Answers every question with the same choice, or with none, without asking anybody; it
// remembers the paper size and the document's name of every question.
class ChoixImprimanteScripte : public ChoixImprimante {
  public:
    // No answer: the user cancels.
    explicit ChoixImprimanteScripte(std::optional<Choix> reponse);

    // The answer, for the paper size asked.
    std::optional<Choix> Choisir(const Imprimantes& imprimantes, const std::string& format,
                                 const std::string& nomDocument) override;

    const std::vector<std::string>& FormatsDemandes() const { return formats_; }
    const std::vector<std::string>& DocumentsNommes() const { return documents_; }

  private:
    std::optional<Choix> reponse_;
    std::vector<std::string> formats_;
    std::vector<std::string> documents_;
};

}  // namespace imprimante
