#include "ListeDeroulante.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace ardoine {

ListeDeroulante::ListeDeroulante(QWidget* parent) : QComboBox(parent) {
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
    // A label written by the program is read from its start, however long.
    lineEdit()->setCursorPosition(0);
    emit Change();
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
