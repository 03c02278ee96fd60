#include "ListeDeroulante.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "InterfaceListe.h"

namespace ardoine {

ListeDeroulante::ListeDeroulante(QWidget* parent) : QComboBox(parent) {
    Installer_Interface_Liste();
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ListeDeroulante::Change);
    connect(this, &QComboBox::activated, this, [this] {
        if (!finSaisie_) {
            emit Click();
        }
    });
}

void ListeDeroulante::Definir_Texte(const QString& texte) {
    if (currentText() == texte) {
        return;
    }
    setEditText(texte);
    Montrer_Debut();
    emit Change();
}

// A label longer than the box is read from its start, as the classic list box shows it: Qt
// shows the text around the cursor, which choosing an entry or entering the box by Tab (which
// selects it all) puts at the end.
void ListeDeroulante::Montrer_Debut() {
    lineEdit()->setCursorPosition(0);
}

void ListeDeroulante::Ajouter(const QString& libelle) {
    const QString texte = currentText();
    const int choisie = currentIndex();
    addItem(libelle);
    if (currentIndex() != choisie) {
        setCurrentIndex(choisie);
        setEditText(texte);
    }
}

void ListeDeroulante::Vider() {
    clear();
    setEditText(QString());
}

void ListeDeroulante::focusOutEvent(QFocusEvent* evenement) {
    const QScopedValueRollback fin(finSaisie_, true);
    QComboBox::focusOutEvent(evenement);
    Montrer_Debut();
}

// Enter in the open list chooses its current entry: the list's own view handles that key.
void ListeDeroulante::keyPressEvent(QKeyEvent* evenement) {
    const bool entree = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    const QScopedValueRollback fin(finSaisie_, finSaisie_ || entree);
    QComboBox::keyPressEvent(evenement);
}

void ListeDeroulante::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

}  // namespace ardoine
