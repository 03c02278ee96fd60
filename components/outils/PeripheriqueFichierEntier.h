#pragma once

#include <QIODevice>
#include <exception>

#include "FichierEntier.h"

namespace outils {

// A FichierEntier as a Qt device, open for writing, for the Qt writers that take one (the PDF
// writer). Qt does not let an exception pass: a failed write is kept and raised by Terminer,
// which otherwise completes the file.
class PeripheriqueFichierEntier : public QIODevice {
  public:
    explicit PeripheriqueFichierEntier(FichierEntier& fichier);

    bool isSequential() const override { return true; }
    void Terminer();

  protected:
    qint64 readData(char* octets, qint64 taille) override;
    qint64 writeData(const char* octets, qint64 taille) override;

  private:
    FichierEntier& fichier_;
    std::exception_ptr echec_;
};

}  // namespace outils
