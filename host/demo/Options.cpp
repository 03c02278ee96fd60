#include "Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

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
                       "La commande « print » imprime la liste d'un mois dans un fichier (PDF, "
                       "XLSX ou CSV selon son extension) ou sur une imprimante du système, "
                       "comme l'utilisateur le ferait avec le formulaire.\n"
                       "La commande « explique » dit, règle par règle, pourquoi chaque accord "
                       "d'un aidé est ou n'est pas sur la liste imprimée avec ces critères."));
    analyseur.addHelpOption();
    analyseur.addPositionalArgument(
        QStringLiteral("commande"),
        QStringLiteral("Rien : ouvrir le formulaire. « print » : imprimer la liste. "
                       "« explique » : expliquer la liste pour un aidé."),
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
    const QCommandLineOption mois = Option(
        "mois", "print : mois de fin des accords (AAAA-MM, ou « precedent » : le mois dernier).",
        "AAAA-MM");
    const QCommandLineOption copies = Option("copies", "print : nombre d'exemplaires.", "N");
    const QCommandLineOption sortie =
        Option("sortie", "print : fichier produit, PDF, XLSX ou CSV selon son extension.",
               "FICHIER.pdf|.xlsx|.csv");
    const QCommandLineOption imprimante = Option(
        "imprimante", "print : imprimante du système (file CUPS) au lieu d'un fichier.", "NOM");
    const QCommandLineOption aide = Option("aide", "explique : l'aidé.", "CODE");
    const QCommandLineOption accord =
        Option("accord", "explique : un seul accord de l'aidé.", "CLE");
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("explique : l'explication en JSON."));
    analyseur.addOptions({base, login, capture, entite, activite, responsable, secteur, commune,
                          par, organisme, mois, copies, sortie, imprimante, aide, accord, json});
    analyseur.process(application);

    const QStringList positionnels = analyseur.positionalArguments();
    return Options{
        positionnels.value(0),
        analyseur.value(base),
        analyseur.value(login),
        analyseur.value(capture),
        OptionsImpression{
            analyseur.value(entite), analyseur.value(activite), analyseur.value(responsable),
            analyseur.value(secteur), analyseur.value(commune), analyseur.value(par),
            analyseur.value(organisme), analyseur.value(mois), analyseur.value(copies),
            analyseur.value(sortie), analyseur.value(imprimante)},
        OptionsExplication{analyseur.value(aide), analyseur.value(accord), analyseur.isSet(json)}};
}

}  // namespace demo
