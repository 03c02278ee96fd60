// Loads a Designer plugin file with QPluginLoader, as Qt Designer does, and creates its widget
// through the plugin interface. Prints the widget's class; exits with 1 when anything fails,
// saying what.
#include <QApplication>
#include <QFileInfo>
#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <iostream>
#include <memory>

namespace {

int echec(const QString& texte) {
    std::cerr << "charger-greffon: " << texte.toStdString() << '\n';
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        return echec(QStringLiteral("usage: charger-greffon <plugin.so>"));
    }
    // A relative name would be looked for in Qt's plugin folders, not from here.
    QPluginLoader chargeur(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath());
    if (!chargeur.load()) {
        return echec(chargeur.errorString());
    }
    auto* greffon = qobject_cast<QDesignerCustomWidgetInterface*>(chargeur.instance());
    if (greffon == nullptr) {
        return echec(QStringLiteral("not a QDesignerCustomWidgetInterface plugin"));
    }
    const std::unique_ptr<QWidget> widget(greffon->createWidget(nullptr));
    if (widget == nullptr || greffon->name() != QLatin1String(widget->metaObject()->className())) {
        return echec(QStringLiteral("the plugin did not create its widget ") + greffon->name());
    }
    std::cout << greffon->name().toStdString() << '\n';
    return 0;
}
