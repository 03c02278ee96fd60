#include "Parametres.h"

#include <ostream>

#include "ErreurUsage.h"
#include "mvdb/StockageServeur.h"

namespace dbtool {

QString aideBase() {
    return mvdb::serveurDisponible()
               ? QStringLiteral(
                     "Base : un fichier, ou une base d'un serveur "
                     "(postgresql://… ou host=… dbname=…).")
               : QStringLiteral(
                     "Base : un fichier (ce programme a été construit sans le "
                     "serveur PostgreSQL).");
}

QString aideBaseNouvelle() {
    return mvdb::serveurDisponible()
               ? QStringLiteral(
                     "Base nouvelle : un fichier qui ne doit pas exister, ou une "
                     "base d'un serveur qui n'en contient pas encore.")
               : QStringLiteral(
                     "Base nouvelle : un fichier qui ne doit pas exister (ce "
                     "programme a été construit sans le serveur PostgreSQL).");
}

Parametres::Parametres(const QString& commande, const QString& description) : commande_(commande) {
    parseur_.setApplicationDescription(description);
    // Qt's own help option would also offer its toolkit options, in English.
    parseur_.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                          QStringLiteral("Affiche cette aide.")));
}

void Parametres::argument(const QString& nom, const QString& description, bool facultatif) {
    const QString syntaxe = facultatif ? "[" + nom + "]" : nom;
    parseur_.addPositionalArgument(nom, description, syntaxe);
    syntaxe_ << syntaxe;
    (facultatif ? facultatifs_ : obligatoires_) += 1;
}

void Parametres::option(const QCommandLineOption& option) {
    parseur_.addOption(option);
}

bool Parametres::lire(const QStringList& arguments, Console& console) {
    if (!parseur_.parse(QStringList{NomProgramme} + arguments)) {
        throw ErreurUsage(parseur_.errorText().toStdString());
    }
    if (parseur_.isSet(QStringLiteral("help"))) {
        console.sortie << aide().toStdString();
        return false;
    }
    verifierNombreDArguments();
    return true;
}

std::string Parametres::positionnel(int i) const {
    return parseur_.positionalArguments().value(i).toStdString();
}

bool Parametres::estPose(const QCommandLineOption& option) const {
    return parseur_.isSet(option);
}

std::string Parametres::valeur(const QCommandLineOption& option) const {
    return parseur_.value(option).toStdString();
}

// Qt's help names the program only; the first line is replaced by one that names the command.
QString Parametres::aide() const {
    QString texte = parseur_.helpText();
    texte.remove(0, texte.indexOf('\n'));
    return QStringLiteral("Utilisation : %1 %2 [options] %3")
               .arg(QString::fromUtf8(NomProgramme), commande_, syntaxe_.join(' ')) +
           texte;
}

void Parametres::verifierNombreDArguments() const {
    const auto n = parseur_.positionalArguments().size();
    if (n < obligatoires_ || n > obligatoires_ + facultatifs_) {
        throw ErreurUsage(
            QStringLiteral("arguments attendus : %1").arg(syntaxe_.join(' ')).toStdString());
    }
}

}  // namespace dbtool
