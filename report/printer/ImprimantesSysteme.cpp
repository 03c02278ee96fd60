#include "ImprimantesSysteme.h"

#include <QPrinterInfo>
#include <algorithm>

#include "ImprimanteQt.h"

namespace imprimante {

std::vector<Destination> ImprimantesSysteme::Liste() const {
    std::vector<Destination> liste{{"Fichier PDF", Destination::Genre::FichierPdf}};
    for (const auto& nom : QPrinterInfo::availablePrinterNames()) {
        liste.push_back({nom.toStdString(), Destination::Genre::Systeme});
    }
    return liste;
}

std::int32_t ImprimantesSysteme::IndexParDefaut() const {
    const auto liste = Liste();
    const auto nomParDefaut = QPrinterInfo::defaultPrinterName().toStdString();
    const auto trouve = std::find_if(liste.begin(), liste.end(), [&](const Destination& d) {
        return d.genre == Destination::Genre::Systeme && d.nom == nomParDefaut;
    });
    return trouve == liste.end() ? 0 : static_cast<std::int32_t>(trouve - liste.begin());
}

std::shared_ptr<Imprimante> ImprimantesSysteme::Ouvrir(std::int32_t index,
                                                       const Reglages& reglages) {
    return std::make_shared<ImprimanteQt>(destinationA(Liste(), index), reglages);
}

}  // namespace imprimante
