#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ExportControle.h"

namespace imprimante {
class ChoixImprimante;
class Imprimante;
class Imprimantes;
struct Reglages;
}  // namespace imprimante

namespace outils {

class ChoixImpression;

// How the printer half of the tools is made (see ChoixImpression.h): over the system's printers
// with the choice dialog, or over the printers given, asked by `choix`. The printer model makes
// it; the control hands its makers in, so that these tools neither include nor link it.
struct FabriquesImpression {
    std::unique_ptr<ChoixImpression> (*systeme)();
    std::unique_ptr<ChoixImpression> (*sur)(std::shared_ptr<imprimante::Imprimantes> imprimantes,
                                            std::shared_ptr<imprimante::ChoixImprimante> choix);
};

// Date conversions between the calendar and the database's day numbers, and the choice of the
// printer with its number of copies. The printer half is the printer model's (see
// ChoixImpression.h): a caller that uses the printers includes their headers.
class CONTROLE_ARDOINE_EXPORT Outils {
  public:
    explicit Outils(std::unique_ptr<ChoixImpression> impression);
    Outils(const Outils&) = delete;
    Outils& operator=(const Outils&) = delete;
    ~Outils();

    // The one instance of the program. Its printer half is made on first use, with the
    // system's printers and the choice dialog, by the makers handed to Equiper.
    static Outils& Partage();
    // Hands in the printer model's makers; every control does so when it is made.
    static void Equiper(FabriquesImpression fabriques);

    // Tests put recording printers and scripted answers in place of the system's.
    void RemplacerServices(std::shared_ptr<imprimante::Imprimantes> imprimantes,
                           std::shared_ptr<imprimante::ChoixImprimante> choix);

    // "dd/mm/yyyy" to the decimal text of its day number. The empty text stays empty; any
    // other text that is not a calendar date in that form raises dba::Erreur.
    std::string DateInterne(const std::string& date) const;
    // A day number to "dd/mm/yyyy": a whole number as the database compares numbers
    // ("21690", "+21690" and "21690.0" are one day). The empty text stays empty; any other
    // text, or a day outside the years 1 to 9999, raises dba::Erreur ErrArgument.
    std::string DateExterne(const std::string& jour) const;

    // Asks the user for a printer for that paper size: its index in Imprimantes() as text,
    // "-1" when the user chose none. The document's name is the PDF file's suggested name.
    std::string ChoisirImprimante(const std::string& format, const std::string& nomDocument);
    // Copies asked with the last choice; 1 when there was none or it was cancelled.
    std::int16_t NbCopies() const;

    imprimante::Imprimantes& Imprimantes();
    // The settings of the last choice (the defaults when there was none or it was cancelled).
    const imprimante::Reglages& ReglagesChoisis() const;
    // The printer at that index, set up as the last choice asked (paper size, preview, file).
    std::shared_ptr<imprimante::Imprimante> OuvrirImprimante(std::int32_t index);

  private:
    ChoixImpression& Impression() const;

    // Made on first use for the shared instance: hence mutable.
    mutable std::unique_ptr<ChoixImpression> impression_;
};

}  // namespace outils
