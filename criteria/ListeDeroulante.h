#pragma once

#include <QComboBox>

#include "ExportControle.h"

namespace ardoine {

// Editable drop-down list box with the notifications of the classic toolkit:
// - Change: the text was typed by the user, or set by the program through Definir_Texte;
// - Click: an entry was chosen (in the open list, or with the arrow keys). Qt also chooses the
//   entry whose text is exactly the typed one when Enter is pressed or the focus leaves (the
//   control disabled included): that is no choice of the user's, so no Click.
// - DropDown: the list is about to open.
// Entries are added without choosing one, so adding never changes the text.
class CONTROLE_ARDOINE_EXPORT ListeDeroulante : public QComboBox {
    Q_OBJECT

  public:
    explicit ListeDeroulante(QWidget* parent);

    // Sets the text and, when it differs from the shown one, notifies Change.
    void Definir_Texte(const QString& texte);
    // Adds an entry at the end; the text and the chosen entry stay as they are.
    void Ajouter(const QString& libelle);
    // Removes every entry and empties the text, without Change (the classic list reset).
    void Vider();

    void showPopup() override;

  protected:
    void focusOutEvent(QFocusEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

  signals:
    void Change();
    void Click();
    void DropDown();

  private:
    void Montrer_Debut();

    // Set while Qt ends the editing of the text (Enter, focus leaving).
    bool finSaisie_ = false;
};

}  // namespace ardoine
