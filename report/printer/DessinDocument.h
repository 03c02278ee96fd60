#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <string>

#include "Document.h"

namespace imprimante {

// Draws one page of the document with a painter already begun on its device; the device's
// resolution turns twips into its pixels.
void dessinerPage(QPainter& peintre, const Document& document, int page);

// Opens the device, draws every page and closes it. A device that cannot make copies itself
// (a PDF file) gets the pages once per copy asked. Raises dba::Erreur when the device
// cannot be opened.
void imprimerDocument(const Document& document, QPrinter& printer);

// The resolution of the PDF files written, that of a high-resolution QPrinter.
inline constexpr int ResolutionPdf = 1200;

// Writes every page to a PDF file of that paper size, which replaces the file of that name only
// once complete. Raises dba::Erreur when the file cannot be written.
void ecrirePdf(const Document& document, const std::string& chemin, const QPageSize& taille);

}  // namespace imprimante
