#include "ImprimantesSysteme.h"

#include <QPrinterInfo>
#include <algorithm>

#include "ImprimanteQt.h"
#include "dba/Erreur.h"

namespace imprimante {

std::vector<Destination> ImprimantesSysteme::Liste() const {
    std::vector<Destination> liste{{"Fichier PDF", Destination::Genre::FichierPdf},
                                   {"Classeur XLSX", Destination::Genre::FichierXlsx},
                                   {"Fichier CSV", Destination::Genre::FichierCsv}};
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

// The table files hold the lines, not pages: the print run writes them itself.
std::shared_ptr<Imprimante> ImprimantesSysteme::Ouvrir(std::int32_t index,
                                                       const Reglages& reglages) {
    const Destination destination = destinationA(Liste(), index);
    if (destination.Tableau()) {
        throw dba::Erreur(dba::ErrArgument,
                          "« " + destination.nom + " » n'est pas une imprimante.");
    }
    return std::make_shared<ImprimanteQt>(destination, reglages);
}

}  // namespace imprimante
