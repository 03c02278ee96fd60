#include "InterfaceListe.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <mutex>

#include "ListeDeroulante.h"

namespace ardoine {

namespace {

// What a screen reader reads of a list box: its accessible name ("Entité juridique") as its
// name, the label it shows as its value. Qt's own interface for a combo box reads the label as
// the name on this platform, so that a list holding "ASSOCIATION D'AIDE…" would be announced
// as that, not as what it is. Its children are Qt's: the open list, then the text part.
class InterfaceListe : public QAccessibleWidget {
  public:
    explicit InterfaceListe(ListeDeroulante* liste)
        : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    QString text(QAccessible::Text quoi) const override {
        return quoi == QAccessible::Value ? Liste().currentText() : QAccessibleWidget::text(quoi);
    }

    int childCount() const override { return 2; }

    QAccessibleInterface* child(int rang) const override {
        QObject* enfant = rang == 0   ? static_cast<QObject*>(Liste().view())
                          : rang == 1 ? static_cast<QObject*>(Liste().lineEdit())
                                      : nullptr;
        return enfant != nullptr ? QAccessible::queryAccessibleInterface(enfant) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* enfant) const override {
        for (int rang = 0; rang < childCount(); ++rang) {
            if (enfant != nullptr && child(rang) == enfant) {
                return rang;
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QLineEdit* texte = Liste().lineEdit();
        return texte->rect().contains(texte->mapFromGlobal(QPoint(x, y))) ? child(1) : nullptr;
    }

    // The text part never has the focus itself (the list box is its focus proxy), but it is
    // where the keys go.
    QAccessibleInterface* focusChild() const override { return child(1); }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            return;
        }
        if (Liste().view()->isVisible()) {
            Liste().hidePopup();
        } else {
            Liste().showPopup();
        }
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    ListeDeroulante& Liste() const { return *static_cast<ListeDeroulante*>(widget()); }
};

QAccessibleInterface* Interface_De(const QString& classe, QObject* objet) {
    if (classe != QLatin1String(ListeDeroulante::staticMetaObject.className())) {
        return nullptr;
    }
    return new InterfaceListe(static_cast<ListeDeroulante*>(objet));
}

}  // namespace

void Installer_Interface_Liste() {
    static std::once_flag installee;
    std::call_once(installee, [] { QAccessible::installFactory(&Interface_De); });
}

}  // namespace ardoine
