#pragma once

#include <QPageSize>
#include <QPrinter>
#include <memory>
#include <string>

#include "Destination.h"

namespace imprimante {

// Margins of every page: small enough for a table of 19.6 x 27.17 cm on A4.
inline constexpr double MargeMillimetres = 5.0;

// The paper size of that name, whatever its case; raises dba::Erreur for an unknown name.
QPageSize formatPapier(const std::string& format);

// That paper size, portrait, with the margins.
void mettreEnPage(QPagedPaintDevice& peripherique, const QPageSize& taille);

// A high-resolution device for the destination, with the paper size and the margins set.
// Raises dba::Erreur for a system printer that no longer exists or a PDF without a file.
std::unique_ptr<QPrinter> preparerQPrinter(const Destination& destination,
                                           const Reglages& reglages);

}  // namespace imprimante
