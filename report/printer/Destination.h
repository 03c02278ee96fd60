#pragma once

#include <string>

namespace imprimante {

// One entry of a printer collection: a printer of the system, a PDF file, or a table file
// (XLSX workbook, CSV) that holds the lines of the list instead of its pages.
struct Destination {
    enum class Genre { Systeme, FichierPdf, FichierXlsx, FichierCsv };

    bool Tableau() const { return genre == Genre::FichierXlsx || genre == Genre::FichierCsv; }

    std::string nom;
    Genre genre = Genre::Systeme;

    bool operator==(const Destination&) const = default;
};

// How a document is printed on the chosen destination.
struct Reglages {
    // Paper size by its usual name ("A4", "A3", "Letter", ...).
    std::string format = "A4";
    // Show the pages first; the user prints them from the preview or closes it.
    bool apercu = false;
    // Output file of a file destination (PDF, XLSX or CSV).
    std::string fichierSortie;

    bool operator==(const Reglages&) const = default;
};

}  // namespace imprimante
