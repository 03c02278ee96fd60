#include "ListeDeroulante.h"

#include <QLineEdit>

namespace ardoine {

ListeDeroulante::ListeDeroulante(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ListeDeroulante::Change);
    connect(this, &QComboBox::activated, this, &ListeDeroulante::Click);
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

}  // namespace ardoine
