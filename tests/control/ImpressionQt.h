#pragma once

#include <ostream>

#include <QString>

// Readable Qt texts in test failures.
inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}
