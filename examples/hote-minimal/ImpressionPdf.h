#pragma once

#include <QString>
#include <memory>

#include "Plateforme.h"
#include "printer/ChoixImprimante.h"

// The printer choice answered without a dialog: the PDF file of the system's printers, into
// that file, one copy.
class ChoixPdf : public imprimante::ChoixImprimante {
  public:
    explicit ChoixPdf(QString fichier) : fichier_(std::move(fichier)) {}
    std::optional<imprimante::Choix> Choisir(const imprimante::Imprimantes& imprimantes,
                                             const std::string& format,
                                             const std::string& nomDocument) override;

  private:
    QString fichier_;
};

// The control's messages written on the error output instead of message boxes, so that the
// host runs without anybody to close them.
class MessagesConsole : public ardoine::Messages {
  public:
    void Afficher(const QString& texte, ardoine::Icone icone, const QString& titre) override;
};
