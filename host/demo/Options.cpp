#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace demo {

Options Lire_Options(const QCoreApplication& application) {
    QCommandLineParser analyseur;
    analyseur.setApplicationDescription(
        QStringLiteral("Héberge le formulaire de la liste des accords non renouvelés."));
    analyseur.addHelpOption();
    analyseur.addPositionalArgument(QStringLiteral("commande"),
                                    QStringLiteral("Rien : ouvrir le formulaire."),
                                    QStringLiteral("[commande]"));
    const QCommandLineOption base(QStringLiteral("db"), QStringLiteral("Base de données."),
                                  QStringLiteral("FICHIER"), QStringLiteral(ARDOINE_DEMO_DB));
    const QCommandLineOption login(QStringLiteral("login"),
                                   QStringLiteral("Utilisateur dont les droits s'appliquent."),
                                   QStringLiteral("NOM"), QStringLiteral("admin"));
    const QCommandLineOption capture(
        QStringLiteral("screenshot"),
        QStringLiteral("Enregistre la fenêtre après l'initialisation dans ce fichier PNG, puis "
                       "s'arrête."),
        QStringLiteral("FICHIER.png"));
    analyseur.addOptions({base, login, capture});
    analyseur.process(application);

    const QStringList positionnels = analyseur.positionalArguments();
    return Options{positionnels.value(0), analyseur.value(base), analyseur.value(login),
                   analyseur.value(capture)};
}

}  // namespace demo
