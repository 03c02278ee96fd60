#include "DossierPdf.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace imprimante {

std::optional<std::string> Probleme_Fichier_Pdf(const std::string& chemin) {
    const QFileInfo fichier(QString::fromStdString(chemin));
    const QFileInfo dossier(fichier.absolutePath());
    const auto nom = QDir::toNativeSeparators(dossier.absoluteFilePath());
    if (!dossier.isDir()) {
        return QStringLiteral("Le dossier « %1 » n'existe pas.").arg(nom).toStdString();
    }
    if (fichier.isDir()) {
        return QStringLiteral("« %1 » est un dossier, pas un fichier.")
            .arg(QDir::toNativeSeparators(fichier.absoluteFilePath()))
            .toStdString();
    }
    // The file is written next to its final place and renamed, so the folder must be writable
    // even when the file itself exists.
    if (!dossier.isWritable()) {
        return QStringLiteral("Impossible d'écrire dans le dossier « %1 ».").arg(nom).toStdString();
    }
    return std::nullopt;
}

std::string Dossier_Pdf_Par_Defaut() {
    for (const auto emplacement :
         {QStandardPaths::DocumentsLocation, QStandardPaths::HomeLocation}) {
        const QFileInfo dossier(QStandardPaths::writableLocation(emplacement));
        if (dossier.isDir() && dossier.isWritable()) {
            return dossier.absoluteFilePath().toStdString();
        }
    }
    return QDir::currentPath().toStdString();
}

}  // namespace imprimante
