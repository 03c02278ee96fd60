#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace designer {

// What Designer asks of a custom widget: its name, group, icon and texts, the XML of an
// instance dropped on a form (at the size of the form it fills) and the instance itself.
// The host hands the control its rights and database at run time, as without Designer.
class PluginArdoine : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid)
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit PluginArdoine(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* editeur) override;
    QString domXml() const override;

  private:
    bool initialise_ = false;
};

}  // namespace designer
