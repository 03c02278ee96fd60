#include "ChoixImprimanteQt.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "DialogueChoixImprimante.h"

namespace imprimante {

ChoixImprimanteQt::ChoixImprimanteQt(std::string dossierPdfParDefaut, QWidget* parent)
    : dossierPdf_(std::move(dossierPdfParDefaut)), parent_(parent) {}

std::optional<Choix> ChoixImprimanteQt::Choisir(const Imprimantes& imprimantes,
                                                const std::string& format,
                                                const std::string& nomDocument) {
    const auto suggere = QDir(QString::fromStdString(dossierPdf_))
                             .filePath(QString::fromStdString(nomDocument) + ".pdf");
    DialogueChoixImprimante dialogue(imprimantes, format, suggere.toStdString(), parent_);
    dialogue.exec();
    auto choix = dialogue.choix();
    if (choix && !choix->reglages.fichierSortie.empty()) {
        dossierPdf_ = QFileInfo(QString::fromStdString(choix->reglages.fichierSortie))
                          .absolutePath()
                          .toStdString();
    }
    return choix;
}

}  // namespace imprimante
