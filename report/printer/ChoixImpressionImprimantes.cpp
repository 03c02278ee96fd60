// The printer half of outils::Outils, kept beside the printer model it speaks of.
#include "ChoixImpressionImprimantes.h"

#include <optional>
#include <utility>

#include "ChoixImprimante.h"
#include "ChoixImprimanteQt.h"
#include "DossierPdf.h"
#include "Imprimantes.h"
#include "ImprimantesSysteme.h"

namespace outils {

namespace {

class ChoixImpressionImprimantes : public ChoixImpression {
  public:
    ChoixImpressionImprimantes(std::shared_ptr<imprimante::Imprimantes> imprimantes,
                               std::shared_ptr<imprimante::ChoixImprimante> choix)
        : imprimantes_(std::move(imprimantes)), choix_(std::move(choix)) {}

    std::string ChoisirImprimante(const std::string& format,
                                  const std::string& nomDocument) override {
        dernierChoix_ = choix_->Choisir(*imprimantes_, format, nomDocument);
        return dernierChoix_ ? std::to_string(dernierChoix_->index) : "-1";
    }

    std::int16_t NbCopies() const override { return dernierChoix_ ? dernierChoix_->copies : 1; }

    imprimante::Imprimantes& Imprimantes() override { return *imprimantes_; }

    const imprimante::Reglages& ReglagesChoisis() const override {
        static const imprimante::Reglages defaut{};
        return dernierChoix_ ? dernierChoix_->reglages : defaut;
    }

    std::shared_ptr<imprimante::Imprimante> OuvrirImprimante(std::int32_t index) override {
        return imprimantes_->Ouvrir(index, ReglagesChoisis());
    }

  private:
    std::shared_ptr<imprimante::Imprimantes> imprimantes_;
    std::shared_ptr<imprimante::ChoixImprimante> choix_;
    std::optional<imprimante::Choix> dernierChoix_;
};

}  // namespace

std::unique_ptr<ChoixImpression> ChoixImpressionSysteme() {
    return ChoixImpressionSur(
        std::make_shared<imprimante::ImprimantesSysteme>(),
        std::make_shared<imprimante::ChoixImprimanteQt>(imprimante::Dossier_Pdf_Par_Defaut()));
}

std::unique_ptr<ChoixImpression> ChoixImpressionSur(
    std::shared_ptr<imprimante::Imprimantes> imprimantes,
    std::shared_ptr<imprimante::ChoixImprimante> choix) {
    return std::make_unique<ChoixImpressionImprimantes>(std::move(imprimantes), std::move(choix));
}

}  // namespace outils
