#pragma once

#include <string>
#include <vector>

#include <QStringList>

#include "Face.h"
#include "Installation.h"
#include "dba/TheDatabase.h"

namespace essai {

// Legal entities A01 (four activities, one with a key of the wrong length), B02 (one
// activity), C03 (no activity, no funding body) and 007; funding bodies for A01 that pass or
// fail each check, one for B02; two managers, two sectors, six communes; the logins of the
// standard data ("secteur1" sees sector S01 only).
std::vector<std::string> DonneesCriteres();

// A file whose every read fails as a database out of reach does.
class FichierEnPanne : public dba::Fichier {
  public:
    dba::Enregistrement LireEnreg(const std::string& cle) override;
    void Prelire(const std::vector<std::string>& cles) override;
};

// A control initialised for a login and shown in an active window, driven through its
// controls as a user would, with everything it showed or asked written down.
class Formulaire {
  public:
    explicit Formulaire(const std::vector<std::string>& lignes = DonneesCriteres(),
                        const std::string& login = "admin");

    // Gives the focus to the control (as a click would), then types the text.
    void Taper(QWidget* controle, const QString& texte);
    void Entree(QWidget* controle);
    // Tab to the next control.
    void Quitter();
    // Opens the list and clicks the entry.
    void Choisir(QComboBox* liste, int entree);

    // "icon | title | text" of each message since the last call.
    QStringList Messages();
    // The sentences sent to the database over the file, since the start.
    QStringList Selections(const std::string& fichier) const;

    Installation installation;
    std::unique_ptr<Ctr_Ardoine> controle;
    Ctr_Ardoine& c;
    // Its child controls, found by their names.
    Face e;
    // The texts the host's error handler received.
    QStringList erreurs;
};

}  // namespace essai
