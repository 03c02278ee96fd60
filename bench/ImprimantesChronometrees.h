#pragma once

#include <chrono>
#include <memory>

#include "printer/Imprimante.h"
#include "printer/Imprimantes.h"

// One entry, a PDF file, whose printer times the sending of its document (the drawing of the
// pages into the file) and keeps the document sent.
class ImprimantesChronometrees : public imprimante::Imprimantes {
  public:
    struct Envoi {
        std::chrono::steady_clock::duration duree{};
        imprimante::Document document;
    };

    std::vector<imprimante::Destination> Liste() const override;
    std::int32_t IndexParDefaut() const override { return 0; }
    std::shared_ptr<imprimante::Imprimante> Ouvrir(std::int32_t index,
                                                   const imprimante::Reglages& reglages) override;

    const Envoi& Dernier_Envoi() const { return *envoi_; }

  private:
    std::shared_ptr<Envoi> envoi_ = std::make_shared<Envoi>();
};
