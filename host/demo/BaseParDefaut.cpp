#include "BaseParDefaut.h"

#include <QDir>
#include <QStandardPaths>

#include "mvdb/NomBase.h"
#include "mvdb/StockageServeur.h"

namespace demo {

namespace {

QString Base_De_L_Utilisateur() {
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(donnees).filePath(QStringLiteral("ControleArdoine/demo.db"));
}

QString Origine(const BaseChoisie& base) {
    return base.source == BaseChoisie::Source::Variable
               ? QStringLiteral("de %1").arg(QLatin1String(VariableBase))
               : QStringLiteral("base de l'utilisateur");
}

}  // namespace

BaseChoisie Base_Par_Defaut() {
    const QString variable = qEnvironmentVariable(VariableBase);
    if (!variable.isEmpty()) {
        return {variable, BaseChoisie::Source::Variable};
    }
    return {Base_De_L_Utilisateur(), BaseChoisie::Source::Utilisateur};
}

QString Regle_Base_Par_Defaut() {
    const BaseChoisie base = Base_Par_Defaut();
    const QString bases = mvdb::serveurDisponible()
                              ? QStringLiteral(
                                    "un fichier, ou une base sur un serveur PostgreSQL "
                                    "(postgresql://… ou host=… dbname=…)")
                              : QStringLiteral(
                                    "un fichier (ce programme a été construit sans "
                                    "le serveur PostgreSQL)");
    return QStringLiteral(
               "Base de données : %1. Sans --db : la base que nomme la "
               "variable %2, sinon ControleArdoine/demo.db dans le dossier des données "
               "de l'utilisateur ($XDG_DATA_HOME, ou ~/.local/share), que "
               "« ardoine-db demo » peut créer. En vigueur : %3 (%4).")
        .arg(bases, QLatin1String(VariableBase),
             QString::fromStdString(mvdb::nomAffichable(base.nom.toStdString())), Origine(base));
}

}  // namespace demo
