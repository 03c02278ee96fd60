#include "ImprimantesChronometrees.h"

#include "printer/ImprimanteQt.h"

namespace {

class ImprimanteChronometree : public imprimante::ImprimanteQt {
  public:
    ImprimanteChronometree(const imprimante::Destination& destination,
                           const imprimante::Reglages& reglages,
                           std::shared_ptr<ImprimantesChronometrees::Envoi> envoi)
        : ImprimanteQt(destination, reglages), envoi_(std::move(envoi)) {}

  protected:
    void Envoyer(const imprimante::PagesImprimees& pages) override {
        const auto debut = std::chrono::steady_clock::now();
        ImprimanteQt::Envoyer(pages);
        envoi_->duree = std::chrono::steady_clock::now() - debut;
        envoi_->document = pages.Tout();
    }

  private:
    std::shared_ptr<ImprimantesChronometrees::Envoi> envoi_;
};

}  // namespace

std::vector<imprimante::Destination> ImprimantesChronometrees::Liste() const {
    return {{"Fichier PDF", imprimante::Destination::Genre::FichierPdf}};
}

std::shared_ptr<imprimante::Imprimante> ImprimantesChronometrees::Ouvrir(
    std::int32_t index, const imprimante::Reglages& reglages) {
    return std::make_shared<ImprimanteChronometree>(imprimante::destinationA(Liste(), index),
                                                    reglages, envoi_);
}
