#include "FenetreHote.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace demo {

namespace {

// Room around the line that says why "Imprimer" is missing, in pixels.
constexpr int MargeRefus = 6;

// The line that says why "Imprimer" is missing reaches assistive technology as a message box
// does: with the role of an alert and its text as its name, so that a screen reader announces
// it when the window opens instead of leaving it among the captions. A class of its own, for
// the platform asks for an interface by class name, the most derived first.
class LigneRefus : public QLabel {
    Q_OBJECT

  public:
    explicit LigneRefus(const QString& texte) : QLabel(texte) {}
};

class LigneAlerte : public QAccessibleWidget {
  public:
    explicit LigneAlerte(QLabel* ligne) : QAccessibleWidget(ligne, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text genre) const override {
        if (genre == QAccessible::Name) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(genre);
    }
};

QAccessibleInterface* InterfaceLigneRefus(const QString& classe, QObject* objet) {
    auto* ligne = qobject_cast<LigneRefus*>(objet);
    if (ligne == nullptr || classe != QLatin1String(LigneRefus::staticMetaObject.className())) {
        return nullptr;
    }
    return new LigneAlerte(ligne);
}

// Before any line exists, for the platform keeps the interface it first made for an object.
void Annoncer_Lignes_Refus() {
    static const bool installee = [] {
        QAccessible::installFactory(InterfaceLigneRefus);
        return true;
    }();
    Q_UNUSED(installee);
}

}  // namespace

FenetreHote::FenetreHote(std::shared_ptr<dba::TheClient> client, const QString& login)
    : FenetreHote(client, client->base(), login, ardoine::PlateformeQt()) {}

FenetreHote::FenetreHote(std::shared_ptr<dba::TheClient> client,
                         std::shared_ptr<dba::TheDatabase> base, const QString& login,
                         const ardoine::Plateforme& services)
    : controle_(new Ctr_Ardoine),
      droits_(std::make_shared<droits::DroitsFichier>(client->base(), login.toStdString())) {
    setWindowTitle(QStringLiteral("Liste des accords non renouvelés"));
    Placer_Controle();
    controle_->Plateforme(services);
    controle_->DroitsUtilisateur(droits_);
    controle_->TheClient(client);
    controle_->TheDatabase(std::move(base));
    controle_->Init();
    Dire_Refus_Impression();
}

// The form keeps the control's design size; a line under it, when there is one, adds its
// own height.
void FenetreHote::Placer_Controle() {
    auto* fond = new QWidget(this);
    auto* colonne = new QVBoxLayout(fond);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(controle_);
    setCentralWidget(fond);
    setFixedSize(controle_->minimumSize());
}

std::optional<QString> FenetreHote::Impression_Refusee() const {
    if (!controle_->findChild<QPushButton*>(QStringLiteral("Cmd_Imprimer"))->isHidden()) {
        return std::nullopt;
    }
    const QString login = QString::fromStdString(droits_->Nom());
    if (!droits_->Connu()) {
        return QStringLiteral(
                   "Utilisateur inconnu : « %1 ». Sans droits, l'impression n'est "
                   "pas possible.")
            .arg(login);
    }
    return QStringLiteral("L'utilisateur « %1 » n'a pas le droit d'imprimer.").arg(login);
}

void FenetreHote::Dire_Refus_Impression() {
    const std::optional<QString> refus = Impression_Refusee();
    if (!refus) {
        return;
    }
    Annoncer_Lignes_Refus();
    // Whole before it has a parent, the first moment the platform may ask for its interface.
    auto* ligne = new LigneRefus(*refus);
    ligne->setObjectName(QStringLiteral("refusImpression"));
    ligne->setWordWrap(true);
    ligne->setContentsMargins(MargeRefus, MargeRefus, MargeRefus, MargeRefus);
    centralWidget()->layout()->addWidget(ligne);
    const QSize taille = controle_->minimumSize();
    setFixedSize(taille.width(), taille.height() + ligne->heightForWidth(taille.width()));
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

#include "FenetreHote.moc"
