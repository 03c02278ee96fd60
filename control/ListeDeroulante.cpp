#include "ListeDeroulante.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ardoine {

ListeDeroulante::ListeDeroulante(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ListeDeroulante::Change);
    connect(this, &QComboBox::activated, this, &ListeDeroulante::Activation);
}

void ListeDeroulante::Definir_Texte(const QString& texte) {
    if (currentText() == texte) {
        return;
    }
    setEditText(texte);
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

void ListeDeroulante::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

// Qt chooses the entry whose text matches the typed one, ignoring case, when editing ends;
// that is no user's choice.
void ListeDeroulante::keyPressEvent(QKeyEvent* evenement) {
    const bool fin = evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter;
    activationParasite_ = fin;
    QComboBox::keyPressEvent(evenement);
    activationParasite_ = false;
}

void ListeDeroulante::focusOutEvent(QFocusEvent* evenement) {
    activationParasite_ = true;
    QComboBox::focusOutEvent(evenement);
    activationParasite_ = false;
}

void ListeDeroulante::Activation() {
    if (!activationParasite_) {
        emit Click();
    }
}

}  // namespace ardoine
