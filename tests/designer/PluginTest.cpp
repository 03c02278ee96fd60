#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPluginLoader>
#include <QPushButton>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

#include "Ctr_Ardoine.h"
#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"
#include "ui_FenetreMinimale.h"

// The plugin file comes from the build, or from an install tree when ARDOINE_PLUGIN names it.
namespace {

QString Fichier_Plugin() {
    const QString installe = qEnvironmentVariable("ARDOINE_PLUGIN");
    return installe.isEmpty() ? QStringLiteral(ARDOINE_PLUGIN_DESIGNER) : installe;
}

// The four calls a host makes, on the demo database, as the administrator.
void Brancher(Ctr_Ardoine& controle) {
    auto client = std::make_shared<dba::TheClient>(ARDOINE_DEMO_DB);
    controle.DroitsUtilisateur(std::make_shared<droits::DroitsFichier>(client->base(), "admin"));
    controle.TheClient(client);
    controle.TheDatabase(client->base());
    controle.Init();
}

// Init read the legal entities: the control works on the database it was handed.
void Verifier_Controle_Branche(QWidget& controle) {
    auto* entites = controle.findChild<QComboBox*>(QStringLiteral("Cbo_Association"));
    ASSERT_NE(entites, nullptr);
    EXPECT_GT(entites->count(), 0);
    EXPECT_NE(controle.findChild<QPushButton*>(QStringLiteral("Cmd_Imprimer")), nullptr);
}

}  // namespace

TEST(PluginDesigner, DecritLeControleEtLeCree) {
    QPluginLoader chargeur(Fichier_Plugin());
    QObject* instance = chargeur.instance();
    ASSERT_NE(instance, nullptr) << chargeur.errorString().toStdString();
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(plugin, nullptr);

    EXPECT_EQ(plugin->name(), QStringLiteral("Ctr_Ardoine"));
    EXPECT_FALSE(plugin->group().isEmpty());
    EXPECT_FALSE(plugin->toolTip().isEmpty());
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("Ctr_Ardoine.h"));
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_FALSE(plugin->isContainer());
    // Dropped on a form, the control takes the size of its own form.
    const QSize taille = Ctr_Ardoine().minimumSize();
    EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("<width>%1</width><height>%2</height>")
                                              .arg(taille.width())
                                              .arg(taille.height())))
        << plugin->domXml().toStdString();

    QWidget forme;
    std::unique_ptr<QWidget> cree(plugin->createWidget(&forme));
    ASSERT_NE(cree, nullptr);
    EXPECT_EQ(cree->parentWidget(), &forme);
    EXPECT_STREQ(cree->metaObject()->className(), "Ctr_Ardoine");
    auto* controle = qobject_cast<Ctr_Ardoine*>(cree.get());
    ASSERT_NE(controle, nullptr) << "the plugin and the host must share one library";
    Brancher(*controle);
    Verifier_Controle_Branche(*controle);
}

TEST(FormeDesigner, LeFormulaireCompileParUicPorteLeControle) {
    QMainWindow fenetre;
    Ui::FenetreMinimale forme;
    forme.setupUi(&fenetre);
    ASSERT_NE(forme.ctr_Ardoine, nullptr);
    Brancher(*forme.ctr_Ardoine);
    fenetre.show();
    Verifier_Controle_Branche(*forme.ctr_Ardoine);
    EXPECT_TRUE(
        forme.ctr_Ardoine->findChild<QLineEdit*>(QStringLiteral("Txt_Association"))->isEnabled());
}
