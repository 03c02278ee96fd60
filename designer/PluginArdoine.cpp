#include "PluginArdoine.h"

#include "Ctr_Ardoine.h"
#include "IconeArdoine.h"

namespace designer {

PluginArdoine::PluginArdoine(QObject* parent) : QObject(parent) {}

QString PluginArdoine::name() const {
    return QStringLiteral("Ctr_Ardoine");
}

QString PluginArdoine::group() const {
    return QStringLiteral("Contrôle Ardoine");
}

QString PluginArdoine::toolTip() const {
    return QStringLiteral("Liste des accords non renouvelés");
}

QString PluginArdoine::whatsThis() const {
    return QStringLiteral(
        "Formulaire des critères de la liste des accords non renouvelés, avec son impression. "
        "Au lancement, l'application hôte lui donne les droits de l'utilisateur, le client et "
        "la base de données, puis appelle Init.");
}

QString PluginArdoine::includeFile() const {
    return QStringLiteral("Ctr_Ardoine.h");
}

QIcon PluginArdoine::icon() const {
    return IconeArdoine();
}

bool PluginArdoine::isContainer() const {
    return false;
}

QWidget* PluginArdoine::createWidget(QWidget* parent) {
    return new Ctr_Ardoine(parent);
}

bool PluginArdoine::isInitialized() const {
    return initialise_;
}

void PluginArdoine::initialize(QDesignerFormEditorInterface*) {
    initialise_ = true;
}

QString PluginArdoine::domXml() const {
    // The size the control's own form needs, measured on an instance.
    const QSize taille = Ctr_Ardoine().minimumSize();
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"Ctr_Ardoine\" name=\"ctr_Ardoine\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%1</width><height>%2</height></rect>\n"
               "  </property>\n"
               " </widget>\n"
               "</ui>\n")
        .arg(taille.width())
        .arg(taille.height());
}

}  // namespace designer
