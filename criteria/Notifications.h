#pragma once

#include <cstdint>

#include <QObject>

class QWidget;

namespace ardoine {

// The classic toolkit's key-press and focus-loss notifications of a code box or a list box,
// which Qt does not give as such:
// - KeyPress: a character key, before the control sees it, with the character's code (Enter
//   13, Backspace 8). Tab moves the focus, and shortcuts and keys without a character are no
//   character. A receiver that sets the code to 0 swallows the key.
// - LostFocus: the focus went to another control of the application. A message box or another
//   window taking the focus, or a list or menu opening, is no loss: the control gets the focus
//   back without having lost it.
// The other notifications of the criteria: a code box's Change is QLineEdit::textChanged, which
// Qt emits inside setText as for a user edit; a list box's Change, Click and DropDown come from
// ListeDeroulante.
class Notifications : public QObject {
    Q_OBJECT

  public:
    // The notifications of the control, watched from now on. Owned by the control. Key
    // presses of an editable combo box reach the combo box, not its line edit.
    static Notifications* Sur(QWidget* controle);

  signals:
    void KeyPress(std::int16_t& KeyAscii);
    void LostFocus();

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    explicit Notifications(QWidget* controle);
    bool Touche(QEvent* evenement);
    void Focus_Perdu(QEvent* evenement);

    // A control that was given the focus and lost it in the same move never had it.
    bool aLeFocus_ = false;
};

}  // namespace ardoine
