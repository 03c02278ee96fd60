#include "PreparationQPrinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinterInfo>

#include "dba/Erreur.h"

namespace imprimante {

QPageSize formatPapier(const std::string& format) {
    const auto nom = QString::fromStdString(format);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QPageSize taille(static_cast<QPageSize::PageSizeId>(id));
        if (taille.key().compare(nom, Qt::CaseInsensitive) == 0) {
            return taille;
        }
    }
    throw dba::Erreur(dba::ErrArgument, "Format de papier inconnu : " + format);
}

namespace {

std::unique_ptr<QPrinter> imprimanteSysteme(const std::string& nom) {
    const auto info = QPrinterInfo::printerInfo(QString::fromStdString(nom));
    if (info.isNull()) {
        throw dba::Erreur(dba::ErrImprimante, "L'imprimante « " + nom + " » n'existe plus.");
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> fichierPdf(const std::string& chemin) {
    if (chemin.empty()) {
        throw dba::Erreur(dba::ErrImprimante, "Aucun fichier PDF n'a été indiqué.");
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    // The name serves the preview's dialog and imprimerDocument, which writes the file through
    // the program's one writer: the printer never opens it itself.
    printer->setOutputFileName(QString::fromStdString(chemin));
    return printer;
}

}  // namespace

void mettreEnPage(QPagedPaintDevice& peripherique, const QPageSize& taille) {
    peripherique.setPageSize(taille);
    peripherique.setPageOrientation(QPageLayout::Portrait);
    peripherique.setPageMargins(
        QMarginsF(MargeMillimetres, MargeMillimetres, MargeMillimetres, MargeMillimetres),
        QPageLayout::Millimeter);
}

std::unique_ptr<QPrinter> preparerQPrinter(const Destination& destination,
                                           const Reglages& reglages) {
    const auto taille = formatPapier(reglages.format);
    auto printer = destination.genre == Destination::Genre::FichierPdf
                       ? fichierPdf(reglages.fichierSortie)
                       : imprimanteSysteme(destination.nom);
    mettreEnPage(*printer, taille);
    return printer;
}

}  // namespace imprimante
