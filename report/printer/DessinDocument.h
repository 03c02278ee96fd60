#pragma once

#include <QPainter>
#include <QPrinter>

#include "Document.h"

namespace imprimante {

// Draws one page of the document with a painter already begun on its device; the device's
// resolution turns twips into its pixels.
void dessinerPage(QPainter& peintre, const Document& document, int page);

// Opens the device, draws every page and closes it. A device that cannot make copies itself
// (a PDF file) gets the pages once per copy asked. Raises dba::Erreur when the device
// cannot be opened.
void imprimerDocument(const Document& document, QPrinter& printer);

}  // namespace imprimante
