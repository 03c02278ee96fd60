#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "Version.h"

namespace demo {

namespace {

QCommandLineOption Option(const char* nom, const char* description, const char* valeur) {
    return QCommandLineOption(QString::fromLatin1(nom), QString::fromUtf8(description),
                              QString::fromLatin1(valeur));
}

}  // namespace

Options Lire_Options(const QCoreApplication& application) {
    QCommandLineParser analyseur;
    analyseur.setApplicationDescription(
        QStringLiteral("Héberge le formulaire de la liste des accords non renouvelés.\n"
                       "La commande « print » imprime la liste d'un mois dans un fichier PDF, "
                       "comme l'utilisateur le ferait avec le formulaire."));
    analyseur.addHelpOption();
    QCoreApplication::setApplicationVersion(hote::Version_Complete());
    analyseur.addVersionOption();
    analyseur.addPositionalArgument(
        QStringLiteral("commande"),
        QStringLiteral("Rien : ouvrir le formulaire. « print » : imprimer la liste."),
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
    const QCommandLineOption entite = Option("entite", "print : entité juridique.", "CODE");
    const QCommandLineOption activite = Option("activite", "print : activité.", "CODE");
    const QCommandLineOption responsable =
        Option("responsable", "print : la liste d'un responsable.", "CODE");
    const QCommandLineOption secteur = Option("secteur", "print : la liste d'un secteur.", "CODE");
    const QCommandLineOption commune = Option("commune", "print : la liste d'une commune.", "CODE");
    const QCommandLineOption par =
        Option("par", "print : regroupement, sans code (responsable, secteur ou commune).",
               "REGROUPEMENT");
    const QCommandLineOption organisme =
        Option("organisme", "print : organisme de prise en charge.", "CODE");
    const QCommandLineOption mois =
        Option("mois", "print : mois de fin des accords (AAAA-MM).", "AAAA-MM");
    const QCommandLineOption copies = Option("copies", "print : nombre d'exemplaires.", "N");
    const QCommandLineOption sortie =
        Option("sortie", "print : fichier PDF produit.", "FICHIER.pdf");
    analyseur.addOptions({base, login, capture, entite, activite, responsable, secteur, commune,
                          par, organisme, mois, copies, sortie});
    analyseur.process(application);

    const QStringList positionnels = analyseur.positionalArguments();
    return Options{positionnels.value(0), analyseur.value(base), analyseur.value(login),
                   analyseur.value(capture),
                   OptionsImpression{analyseur.value(entite), analyseur.value(activite),
                                     analyseur.value(responsable), analyseur.value(secteur),
                                     analyseur.value(commune), analyseur.value(par),
                                     analyseur.value(organisme), analyseur.value(mois),
                                     analyseur.value(copies), analyseur.value(sortie)}};
}

}  // namespace demo
