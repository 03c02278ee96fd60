#include "ChoixImprimanteQt.h"

#include <utility>

#include "DialogueChoixImprimante.h"

namespace imprimante {

ChoixImprimanteQt::ChoixImprimanteQt(std::string fichierPdfParDefaut, QWidget* parent)
    : fichierPdf_(std::move(fichierPdfParDefaut)), parent_(parent) {}

std::optional<Choix> ChoixImprimanteQt::Choisir(const Imprimantes& imprimantes,
                                                const std::string& format) {
    DialogueChoixImprimante dialogue(imprimantes, format, fichierPdf_, parent_);
    dialogue.exec();
    auto choix = dialogue.choix();
    if (choix && !choix->reglages.fichierPdf.empty()) {
        fichierPdf_ = choix->reglages.fichierPdf;
    }
    return choix;
}

}  // namespace imprimante
