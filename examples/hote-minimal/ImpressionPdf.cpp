#include "ImpressionPdf.h"

#include <iostream>

// The file was named on the command line: the document's name is not needed.
std::optional<imprimante::Choix> ChoixPdf::Choisir(const imprimante::Imprimantes& imprimantes,
                                                   const std::string& format,
                                                   const std::string& /*nomDocument*/) {
    const auto liste = imprimantes.Liste();
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i].genre == imprimante::Destination::Genre::FichierPdf) {
            return imprimante::Choix{static_cast<std::int32_t>(i), 1,
                                     imprimante::Reglages{format, false, fichier_.toStdString()}};
        }
    }
    return std::nullopt;
}

void MessagesConsole::Afficher(const QString& texte, ardoine::Icone, const QString& titre) {
    std::cerr << titre.toStdString() << " : " << texte.toStdString() << std::endl;
}
