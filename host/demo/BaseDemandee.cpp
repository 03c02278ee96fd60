#include "BaseDemandee.h"

#include <QFileInfo>

#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/TheClient.h"

namespace demo {

namespace {

std::string Comment_En_Nommer_Une(const BaseChoisie& base) {
    switch (base.source) {
        case BaseChoisie::Source::Variable:
            return std::string(" (nommée par ") + VariableBase + ").";
        case BaseChoisie::Source::Utilisateur:
            return std::string(" (la base par défaut : nommez-en une avec --db ou ") +
                   VariableBase + ", ou créez celle-ci avec « ardoine-db demo " +
                   base.nom.toStdString() + " »).";
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
