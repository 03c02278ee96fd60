#include "Options.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <vector>

#include "BaseParDefaut.h"
#include "dba/Erreur.h"

namespace demo {

namespace {

[[noreturn]] void Refuser(const QString& texte) {
    throw dba::Erreur(dba::ErrArgument, texte.toStdString());
}

QCommandLineOption Option(const char* nom, const char* description, const char* valeur) {
    return QCommandLineOption(QString::fromLatin1(nom), QString::fromUtf8(description),
                              QString::fromLatin1(valeur));
}

// The options of the program, declared once for reading the line and for its help.
struct Declaration {
    QCommandLineOption aide{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Affiche cette aide.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Affiche les informations de version.")};
    QCommandLineOption base{QStringLiteral("db"), Regle_Base_Par_Defaut(), QStringLiteral("BASE")};
    QCommandLineOption login{QStringLiteral("login"),
                             QStringLiteral("Utilisateur dont les droits s'appliquent."),
                             QStringLiteral("NOM"), QStringLiteral("admin")};
    QCommandLineOption capture{
        QStringLiteral("screenshot"),
        QStringLiteral("Enregistre la fenêtre dans ce fichier PNG, puis s'arrête : après "
                       "l'initialisation ou, avec print, une fois les critères saisis (rien "
                       "n'est alors imprimé)."),
        QStringLiteral("FICHIER.png")};
    // The options of the print command only.
    std::vector<QCommandLineOption> impression{
        Option("entite", "print : entité juridique.", "CODE"),
        Option("activite", "print : activité.", "CODE"),
        Option("responsable", "print : la liste d'un responsable.", "CODE"),
        Option("secteur", "print : la liste d'un secteur.", "CODE"),
        Option("commune", "print : la liste d'une commune.", "CODE"),
        Option("par", "print : regroupement, sans code (responsable, secteur ou commune).",
               "REGROUPEMENT"),
        Option("organisme", "print : organisme de prise en charge.", "CODE"),
        Option("mois",
               "print : mois de fin des accords : AAAA-MM, « courant » (ce mois-ci), "
               "« precedent » (le mois dernier), +N ou -N (N mois après ou avant ce mois-ci).",
               "MOIS"),
        Option("du",
               "print : premier mois d'une période, au lieu de --mois (mêmes formes que "
               "--mois) ; la liste de chaque mois, après un échéancier.",
               "MOIS"),
        Option("au", "print : dernier mois de la période (24 mois au plus, avec --du).", "MOIS"),
        Option("copies", "print : nombre d'exemplaires.", "N"),
        Option("sortie", "print : fichier produit, PDF, XLSX ou CSV selon son extension.",
               "FICHIER.pdf|.xlsx|.csv"),
        Option("imprimante", "print : imprimante du système (file CUPS) au lieu d'un fichier.",
               "NOM"),
        QCommandLineOption(QStringLiteral("un-fichier-par-groupe"),
                           QStringLiteral("print : un fichier par groupe du regroupement qui a des "
                                          "lignes, DOSSIER/NOM-<code du groupe>.ext à côté du "
                                          "fichier --sortie DOSSIER/NOM.ext ; leurs noms sur la "
                                          "sortie standard, un par ligne.")),
    };
    // The options of the explique command only.
    QCommandLineOption aideExpliquee = Option("aide", "explique : l'aidé.", "CODE");
    QCommandLineOption accord = Option("accord", "explique : un seul accord de l'aidé.", "CLE");
    QCommandLineOption json{QStringLiteral("json"),
                            QStringLiteral("explique : l'explication en JSON.")};

    explicit Declaration(QCommandLineParser& analyseur) {
        analyseur.setApplicationDescription(QStringLiteral(
            "Héberge le formulaire de la liste des accords non renouvelés.\n"
            "La commande « print » imprime la liste d'un mois, ou de chaque mois d'une période "
            "(--du, --au), dans un fichier (PDF, XLSX ou CSV selon son extension) ou sur une "
            "imprimante du système, comme l'utilisateur le ferait avec le formulaire.\n"
            "La commande « explique » dit, règle par règle, pourquoi chaque accord d'un aidé "
            "(--aide) est ou n'est pas sur la liste imprimée avec les critères de « print » ; "
            "elle n'imprime rien.\n\n"
            "Statut de sortie :\n"
            "  0  une liste a été imprimée (ou le formulaire a été fermé) ;\n"
            "  1  rien n'a été imprimé (le message du contrôle dit pourquoi) ;\n"
            "  2  erreur : ligne de commande, base de données, affichage ou impression."));
        analyseur.addPositionalArgument(
            QStringLiteral("commande"),
            QStringLiteral("Rien : ouvrir le formulaire. « print » : imprimer la liste. "
                           "« explique » : expliquer la liste pour un aidé."),
            QStringLiteral("[commande]"));
        analyseur.addOptions({aide, version, base, login, capture, aideExpliquee, accord, json});
        for (const auto& option : impression) {
            analyseur.addOption(option);
        }
    }
};

// The parser's own texts are English; the two errors it can find are said again in French.
[[noreturn]] void Refuser_Ligne(const QCommandLineParser& analyseur) {
    if (!analyseur.unknownOptionNames().isEmpty()) {
        const QString nom = analyseur.unknownOptionNames().first();
        Refuser(QStringLiteral("Option inconnue : %1%2 (voir --help).")
                    .arg(nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nom));
    }
    static const QRegularExpression manquante(QStringLiteral("^Missing value after '(.*)'\\.$"));
    const auto lu = manquante.match(analyseur.errorText());
    if (lu.hasMatch()) {
        Refuser(QStringLiteral("Il manque la valeur de l'option %1.").arg(lu.captured(1)));
    }
    Refuser(QStringLiteral("Ligne de commande invalide : %1").arg(analyseur.errorText()));
}

void Verifier_Commande(const QCommandLineParser& analyseur, const Declaration& declaration) {
    const QStringList positionnels = analyseur.positionalArguments();
    if (positionnels.size() > 1) {
        Refuser(QStringLiteral("Argument en trop : %1").arg(positionnels.at(1)));
    }
    const QString commande = positionnels.value(0);
    const bool explique = commande == QLatin1String("explique");
    if (!commande.isEmpty() && commande != QLatin1String("print") && !explique) {
        Refuser(QStringLiteral("Commande inconnue : %1").arg(commande));
    }
    if (commande.isEmpty()) {
        for (const auto& option : declaration.impression) {
            if (analyseur.isSet(option)) {
                Refuser(QStringLiteral("L'option --%1 ne sert qu'à la commande « print ».")
                            .arg(option.names().first()));
            }
        }
    }
    if (!explique) {
        for (const auto* option :
             {&declaration.aideExpliquee, &declaration.accord, &declaration.json}) {
            if (analyseur.isSet(*option)) {
                Refuser(QStringLiteral("L'option --%1 ne sert qu'à la commande « explique ».")
                            .arg(option->names().first()));
            }
        }
    }
}

}  // namespace

Options Lire_Options(const QStringList& arguments) {
    QCommandLineParser analyseur;
    const Declaration declaration(analyseur);
    if (!analyseur.parse(arguments)) {
        Refuser_Ligne(analyseur);
    }
    Options options;
    options.aide = analyseur.isSet(declaration.aide);
    options.version = analyseur.isSet(declaration.version);
    if (options.aide || options.version) {
        return options;
    }
    Verifier_Commande(analyseur, declaration);
    const auto valeur = [&](std::size_t rang) {
        return analyseur.value(declaration.impression[rang]);
    };
    options.commande = analyseur.positionalArguments().value(0);
    options.base = analyseur.isSet(declaration.base)
                       ? BaseChoisie{analyseur.value(declaration.base), BaseChoisie::Source::Option}
                       : Base_Par_Defaut();
    options.login = analyseur.value(declaration.login);
    options.capture = analyseur.value(declaration.capture);
    options.impression = OptionsImpression{valeur(0),  valeur(1),  valeur(2), valeur(3), valeur(4),
                                           valeur(5),  valeur(6),  valeur(7), valeur(8), valeur(9),
                                           valeur(10), valeur(11), valeur(12)};
    options.impression.unFichierParGroupe = analyseur.isSet(declaration.impression[13]);
    options.explication =
        OptionsExplication{analyseur.value(declaration.aideExpliquee),
                           analyseur.value(declaration.accord), analyseur.isSet(declaration.json)};
    return options;
}

QString Texte_Aide() {
    QCommandLineParser analyseur;
    const Declaration declaration(analyseur);
    return analyseur.helpText();
}

}  // namespace demo
