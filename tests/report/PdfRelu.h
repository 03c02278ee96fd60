#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace essai {

// The standard output of a program of the PDF tools, which must succeed.
inline QString Sortie(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.start(programme, arguments);
    EXPECT_TRUE(processus.waitForFinished(30000)) << programme.toStdString();
    EXPECT_EQ(processus.exitCode(), 0) << programme.toStdString();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

// The non-empty lines of the file's text, laid out as on the page. Made simple, runs of
// spaces become one: where one text follows another on the same line, the text extraction
// may widen the gap by a space.
// Only the pages from `premiere` to `derniere` (0: the last) when given.
inline QStringList LignesDuPdf(const QString& chemin, bool simples = true, int premiere = 1,
                               int derniere = 0) {
    QStringList arguments{"-layout", "-f", QString::number(premiere)};
    if (derniere > 0) {
        arguments << "-l" << QString::number(derniere);
    }
    QStringList lignes;
    for (const QString& ligne :
         Sortie("pdftotext", arguments + QStringList{chemin, "-"}).split('\n')) {
        if (!ligne.trimmed().isEmpty()) {
            lignes << (simples ? ligne.simplified() : ligne.trimmed());
        }
    }
    return lignes;
}

inline int PagesDuPdf(const QString& chemin) {
    for (const QString& ligne : Sortie("pdfinfo", {chemin}).split('\n')) {
        if (ligne.startsWith("Pages:")) {
            return ligne.mid(6).trimmed().toInt();
        }
    }
    return 0;
}

}  // namespace essai
