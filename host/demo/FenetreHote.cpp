#include "FenetreHote.h"

#include <QApplication>
#include <QCloseEvent>

#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace demo {

FenetreHote::FenetreHote(std::shared_ptr<dba::TheClient> client, const QString& login)
    : FenetreHote(client, client->base(), login, ardoine::PlateformeQt()) {}

FenetreHote::FenetreHote(std::shared_ptr<dba::TheClient> client,
                         std::shared_ptr<dba::TheDatabase> base, const QString& login,
                         const ardoine::Plateforme& services)
    : controle_(new Ctr_Ardoine(this)) {
    setWindowTitle(QStringLiteral("Liste des accords non renouvelés"));
    setCentralWidget(controle_);
    setFixedSize(controle_->minimumSize());
    controle_->Plateforme(services);
    controle_->DroitsUtilisateur(
        std::make_shared<droits::DroitsFichier>(client->base(), login.toStdString()));
    controle_->TheClient(client);
    controle_->TheDatabase(std::move(base));
    controle_->Init();
}

bool FenetreHote::Capturer(const QString& fichier) {
    QApplication::processEvents();
    return grab().save(fichier, "PNG");
}

void FenetreHote::closeEvent(QCloseEvent* evenement) {
    sortieDemandee_ = controle_->W_Sortir();
    QMainWindow::closeEvent(evenement);
}

}  // namespace demo
