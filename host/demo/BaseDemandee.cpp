#include "BaseDemandee.h"

#include <QFileInfo>

#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/TheClient.h"

namespace demo {

std::shared_ptr<dba::TheClient> Ouvrir_Base(const QString& nom) {
    const std::string texte = nom.toStdString();
    if (!mvdb::designeServeur(texte) && !QFileInfo::exists(nom)) {
        throw dba::Erreur(dba::ErrArgument,
                          "Base de données introuvable : " + mvdb::nomAffichable(texte));
    }
    return std::make_shared<dba::TheClient>(texte);
}

}  // namespace demo
