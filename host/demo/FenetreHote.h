#pragma once

#include <memory>
#include <optional>

#include <QMainWindow>
#include <QString>

#include "Ctr_Ardoine.h"
#include "Plateforme.h"

class QLabel;

namespace droits {
class DroitsFichier;
}

namespace demo {

// A host form as a host application builds one: it places the control, hands it the rights
// of a login, the client and the database, calls Init, and reads W_Sortir when it closes.
// When the control hides "Imprimer" (the login is unknown or may not print), a line under the
// control says why, so that the user is not left looking for the button.
class FenetreHote : public QMainWindow {
    Q_OBJECT

  public:
    // Raises the error of the rights or of Init.
    FenetreHote(std::shared_ptr<dba::TheClient> client, const QString& login);
    // The same, the control working through that database and those platform services.
    FenetreHote(std::shared_ptr<dba::TheClient> client, std::shared_ptr<dba::TheDatabase> base,
                const QString& login, const ardoine::Plateforme& services);

    // W_Sortir as read when the form closed; false while it is open.
    bool Sortie_Demandee() const { return sortieDemandee_; }
    Ctr_Ardoine& Controle() { return *controle_; }
    // Why the control offers no "Imprimer"; nothing when it does.
    std::optional<QString> Impression_Refusee() const;
    // Saves the window as it stands, once pending events are through, to a PNG file; false
    // when the file cannot be written.
    bool Capturer(const QString& fichier);

  protected:
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void Placer_Controle();
    void Dire_Refus_Impression();

    Ctr_Ardoine* controle_;
    std::shared_ptr<droits::DroitsFichier> droits_;
    bool sortieDemandee_ = false;
};

}  // namespace demo
