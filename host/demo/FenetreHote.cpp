#include "FenetreHote.h"

#include <QCloseEvent>

#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace demo {

FenetreHote::FenetreHote(std::shared_ptr<dba::TheClient> client, const QString& login)
    : controle_(new Ctr_Ardoine(this)) {
    setWindowTitle(QStringLiteral("Liste des accords non renouvelés"));
    setCentralWidget(controle_);
    setFixedSize(controle_->minimumSize());
    controle_->DroitsUtilisateur(
        std::make_shared<droits::DroitsFichier>(client->base(), login.toStdString()));
    controle_->TheClient(client);
    controle_->TheDatabase(client->base());
    controle_->Init();
}

void FenetreHote::closeEvent(QCloseEvent* evenement) {
    sortieDemandee_ = controle_->W_Sortir();
    QMainWindow::closeEvent(evenement);
}

}  // namespace demo
