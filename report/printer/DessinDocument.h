#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <string>

#include "Document.h"
#include "PagesImprimees.h"

namespace imprimante {

// Draws one page of the document with a painter already begun on its device; the device's
// resolution turns twips into its pixels.
void dessinerPage(QPainter& peintre, const Document& document, int page);
class DessinTextes;
// The same, with the fonts of the pages drawn before.
void dessinerPage(QPainter& peintre, const Document& document, int page, DessinTextes& textes);

// Opens the device, draws every page and closes it. A device that cannot make copies itself
// (a PDF file) gets the pages once per copy asked; a PDF printer's file is written by
// ecrirePdf. Raises dba::Erreur when the device cannot be opened.
void imprimerDocument(const Document& document, QPrinter& printer);
// The same, each page read from where it waits just before it is drawn.
void imprimerDocument(const PagesImprimees& pages, QPrinter& printer);

// The resolution of the PDF files written, that of a high-resolution QPrinter.
inline constexpr int ResolutionPdf = 1200;

// Writes every page, `copies` times, to a PDF file of that page layout, which replaces the file
// of that name only once complete (outils::FichierEntier). Raises dba::Erreur when the file
// cannot be written.
void ecrirePdf(const Document& document, const std::string& chemin, const QPageLayout& page,
               int copies = 1);
void ecrirePdf(const PagesImprimees& pages, const std::string& chemin, const QPageLayout& page,
               int copies = 1);

}  // namespace imprimante
