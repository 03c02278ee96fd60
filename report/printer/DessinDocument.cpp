#include "DessinDocument.h"

#include <QPaintEngine>
#include <QPdfWriter>
#include <QPen>
#include <algorithm>

#include "DessinTextes.h"
#include "dba/Erreur.h"
#include "outils/FichierEntier.h"
#include "outils/PeripheriqueFichierEntier.h"

namespace imprimante {

namespace {

void dessinerTrait(QPainter& peintre, const Operation& trait) {
    peintre.setPen(QPen(Qt::black, epaisseurTrait(trait.largeur), Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    peintre.drawLine(QPointF(trait.x, trait.y), QPointF(trait.x2, trait.y2));
}

// A PDF printer outside the preview (which draws on pictures of its own) would open its file
// itself, truncating it first: its pages go to the file through ecrirePdf instead.
bool versUnFichierPdf(QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat &&
           printer.paintEngine()->type() != QPaintEngine::Picture;
}

[[noreturn]] void refuserPeripherique(const QString& nom) {
    throw dba::Erreur(dba::ErrImprimante,
                      "Impossible d'imprimer sur « " + nom.toStdString() + " ».");
}

// A document in memory as pages to draw: each page is drawn from the whole document.
struct PagesDuDocument {
    const Document& document;

    int Nombre() const { return document.pages; }
    const Document& Page(int /*page*/) const { return document; }
};

// Every page (Nombre, Page), `copies` times, on a device the painter has begun.
template <class Pages>
void dessinerCopies(QPainter& peintre, QPagedPaintDevice& peripherique, const Pages& pages,
                    int copies) {
    DessinTextes textes;
    for (int copie = 1; copie <= copies; ++copie) {
        for (int page = 1; page <= pages.Nombre(); ++page) {
            if ((copie > 1 || page > 1) && !peripherique.newPage()) {
                throw dba::Erreur(dba::ErrImprimante, "L'imprimante a refusé une nouvelle page.");
            }
            const Document& feuille = pages.Page(page);
            dessinerPage(peintre, feuille, page, textes);
        }
    }
}

template <class Pages>
void ecrire(const Pages& pages, const std::string& chemin, const QPageLayout& page, int copies);

template <class Pages>
void imprimer(const Pages& pages, QPrinter& printer) {
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    if (versUnFichierPdf(printer)) {
        ecrire(pages, printer.outputFileName().toStdString(), printer.pageLayout(), copies);
        return;
    }
    QPainter peintre;
    if (!peintre.begin(&printer)) {
        refuserPeripherique(printer.printerName());
    }
    dessinerCopies(peintre, printer, pages, copies);
    peintre.end();
}

// Through the program's one writer: the new file takes the old one's place only once complete,
// so a run that stops half-way (an error, the program interrupted) leaves the previous file
// whole.
template <class Pages>
void ecrire(const Pages& pages, const std::string& chemin, const QPageLayout& page, int copies) {
    outils::FichierEntier fichier(chemin);
    outils::PeripheriqueFichierEntier sortie(fichier);
    {
        QPdfWriter pdf(&sortie);
        pdf.setResolution(ResolutionPdf);
        pdf.setPageLayout(page);
        QPainter peintre;
        if (!peintre.begin(&pdf)) {
            refuserPeripherique(QString::fromStdString(chemin));
        }
        dessinerCopies(peintre, pdf, pages, copies);
        peintre.end();
    }
    sortie.Terminer();
}

}  // namespace

void dessinerPage(QPainter& peintre, const Document& document, int page) {
    DessinTextes textes;
    dessinerPage(peintre, document, page, textes);
}

void dessinerPage(QPainter& peintre, const Document& document, int page, DessinTextes& textes) {
    const auto* peripherique = peintre.device();
    peintre.save();
    peintre.scale(peripherique->logicalDpiX() / TwipsParPouce,
                  peripherique->logicalDpiY() / TwipsParPouce);
    for (const auto& operation : document.operations) {
        if (operation.page != page) {
            continue;
        }
        if (operation.genre == Genre::Texte) {
            textes.dessiner(peintre, operation);
        } else {
            dessinerTrait(peintre, operation);
        }
    }
    peintre.restore();
}

void imprimerDocument(const Document& document, QPrinter& printer) {
    imprimer(PagesDuDocument{document}, printer);
}

void imprimerDocument(const PagesImprimees& pages, QPrinter& printer) {
    imprimer(pages, printer);
}

void ecrirePdf(const Document& document, const std::string& chemin, const QPageLayout& page,
               int copies) {
    ecrire(PagesDuDocument{document}, chemin, page, copies);
}

void ecrirePdf(const PagesImprimees& pages, const std::string& chemin, const QPageLayout& page,
               int copies) {
    ecrire(pages, chemin, page, copies);
}

}  // namespace imprimante
