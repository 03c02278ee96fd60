#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ExportControle.h"
#include "printer/ChoixImprimante.h"
#include "printer/Imprimantes.h"

namespace outils {

// Date conversions between the calendar and the database's day numbers, and the choice of the
// printer with its number of copies.
class CONTROLE_ARDOINE_EXPORT Outils {
  public:
    Outils(std::shared_ptr<imprimante::Imprimantes> imprimantes,
           std::shared_ptr<imprimante::ChoixImprimante> choix);

    // The one instance of the program, made on first use with the system's printers and the
    // choice dialog.
    static Outils& Partage();

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

    imprimante::Imprimantes& Imprimantes() { return *imprimantes_; }
    // The settings of the last choice (the defaults when there was none or it was cancelled).
    imprimante::Reglages ReglagesChoisis() const;
    // The printer at that index, set up as the last choice asked (paper size, preview, file).
    std::shared_ptr<imprimante::Imprimante> OuvrirImprimante(std::int32_t index);

  private:
    std::shared_ptr<imprimante::Imprimantes> imprimantes_;
    std::shared_ptr<imprimante::ChoixImprimante> choix_;
    std::optional<imprimante::Choix> dernierChoix_;
};

}  // namespace outils
