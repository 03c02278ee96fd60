#include "Notifications.h"

#include <optional>

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ardoine {
namespace {

// Ctrl or Alt with a key is a shortcut (pasting among them); Ctrl and Alt together are AltGr.
bool Raccourci(Qt::KeyboardModifiers modificateurs) {
    const bool ctrl = modificateurs.testFlag(Qt::ControlModifier);
    const bool alt = modificateurs.testFlag(Qt::AltModifier);
    return (ctrl != alt) || modificateurs.testFlag(Qt::MetaModifier);
}

std::optional<std::int16_t> CodeCaractere(const QKeyEvent& touche) {
    switch (touche.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return std::int16_t{13};
        // Qt gives Delete the character 127; like the arrows, Home and End it edits the text and
        // types nothing.
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return std::nullopt;
        default:
            break;
    }
    if (touche.text().isEmpty() || Raccourci(touche.modifiers())) {
        return std::nullopt;
    }
    // Characters beyond the 16-bit signed range read as negative codes, as in the classic
    // toolkit's 16-bit integer.
    return static_cast<std::int16_t>(touche.text().at(0).unicode());
}

bool Hors_De_L_Application(Qt::FocusReason raison) {
    return raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason ||
           QApplication::activePopupWidget() != nullptr;
}

}  // namespace

Notifications::Notifications(QWidget* controle) : QObject(controle) {
    aLeFocus_ = controle->hasFocus();
    controle->installEventFilter(this);
}

Notifications* Notifications::Sur(QWidget* controle) {
    return new Notifications(controle);
}

bool Notifications::eventFilter(QObject* /*objet*/, QEvent* evenement) {
    switch (evenement->type()) {
        case QEvent::KeyPress:
            return Touche(evenement);
        case QEvent::FocusIn:
            aLeFocus_ = true;
            return false;
        case QEvent::FocusOut:
            Focus_Perdu(evenement);
            return false;
        default:
            return false;
    }
}

bool Notifications::Touche(QEvent* evenement) {
    const std::optional<std::int16_t> code = CodeCaractere(*static_cast<QKeyEvent*>(evenement));
    if (!code) {
        return false;
    }
    std::int16_t KeyAscii = *code;
    emit KeyPress(KeyAscii);
    return KeyAscii == 0;
}

void Notifications::Focus_Perdu(QEvent* evenement) {
    if (!aLeFocus_ || Hors_De_L_Application(static_cast<QFocusEvent*>(evenement)->reason())) {
        return;
    }
    aLeFocus_ = false;
    emit LostFocus();
}

}  // namespace ardoine
