#include "BaseDemandee.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/TheClient.h"

namespace demo {

namespace {

// A path as it can be typed in a shell: quoted when it holds anything but the usual characters.
std::string Pour_Le_Shell(const QString& chemin) {
    static const QRegularExpression ordinaire(QStringLiteral("^[A-Za-z0-9_./+:@%-]+$"));
    if (ordinaire.match(chemin).hasMatch()) {
        return chemin.toStdString();
    }
    QString cite = chemin;
    cite.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return "'" + cite.toStdString() + "'";
}

// The command that creates the default database, its folder first when that is missing too, so
// that it works when typed as it stands.
std::string Commande_De_Creation(const QString& chemin) {
    const QString dossier = QFileInfo(chemin).path();
    const std::string creation = "ardoine-db demo " + Pour_Le_Shell(chemin);
    if (QDir(dossier).exists()) {
        return creation;
    }
    return "mkdir -p " + Pour_Le_Shell(dossier) + " && " + creation;
}

std::string Comment_En_Nommer_Une(const BaseChoisie& base) {
    switch (base.source) {
        case BaseChoisie::Source::Variable:
            return std::string(" (nommée par ") + VariableBase + ").";
        case BaseChoisie::Source::Utilisateur:
            return std::string(" (la base par défaut : nommez-en une avec --db ou ") +
                   VariableBase + ", ou créez celle-ci avec « " + Commande_De_Creation(base.nom) +
                   " »).";
        case BaseChoisie::Source::Option:
            break;
    }
    return "";
}

}  // namespace

std::shared_ptr<dba::TheClient> Ouvrir_Base(const BaseChoisie& base) {
    const std::string texte = base.nom.toStdString();
    if (!mvdb::designeServeur(texte) && !QFileInfo::exists(base.nom)) {
        throw dba::Erreur(dba::ErrArgument,
                          "Base de données introuvable : " + mvdb::nomAffichable(texte) +
                              Comment_En_Nommer_Une(base));
    }
    return std::make_shared<dba::TheClient>(texte);
}

}  // namespace demo
