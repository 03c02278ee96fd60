#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "ChoixImprimante.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace imprimante {

// Lists the printers of a collection with the PDF file's name, the number of copies, and
// three ways out: "Imprimer", "Aperçu" (the pages on screen first) and "Annuler".
class DialogueChoixImprimante : public QDialog {
    Q_OBJECT

  public:
    DialogueChoixImprimante(const Imprimantes& imprimantes, const std::string& format,
                            const std::string& fichierSortie, QWidget* parent = nullptr);

    // The choice once accepted; nothing otherwise.
    std::optional<Choix> choix() const;

  private:
    void construire(const std::string& format);
    void rendreAccessible(QPushButton& annuler);
    void remplir(std::int32_t indexParDefaut);
    void accepterAvecApercu(bool apercu);
    void parcourir();
    void actualiser();
    std::optional<Destination> destinationChoisie() const;
    // A file entry (PDF, XLSX or CSV), not a printer.
    bool fichierChoisi() const;
    void ajusterExtension();

    std::vector<Destination> destinations_;
    std::string format_;
    QListWidget* liste_ = nullptr;
    QLineEdit* fichier_ = nullptr;
    QPushButton* parcourir_ = nullptr;
    QLabel* probleme_ = nullptr;
    QSpinBox* copies_ = nullptr;
    QPushButton* imprimer_ = nullptr;
    QPushButton* apercu_ = nullptr;
    bool apercuDemande_ = false;
};

}  // namespace imprimante
