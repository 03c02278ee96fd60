#include "Formulaire.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QTest>

#include "BaseEssai.h"
#include "dba/Erreur.h"

namespace essai {
namespace {

std::string Organisme(const std::string& code, const std::string& sigle, const std::string& type,
                      const std::string& statut, const std::string& entite,
                      const std::vector<std::string>& couples, const std::string& fermeture = "") {
    return Ligne(
        "ORGPRISECHARGE", code,
        {{1, sigle}, {18, type}, {20, statut}, {46, entite}, {47, couples}, {63, fermeture}});
}

}  // namespace

std::vector<std::string> DonneesCriteres() {
    std::vector<std::string> lignes = {
        Ligne("ASSOCIATION", "A01", {{1, "ALPHA SERVICES"}}),
        Ligne("ASSOCIATION", "B02", {{1, "BETA AIDE"}}),
        Ligne("ASSOCIATION", "C03", {{1, "GAMMA SOINS"}}),
        Ligne("ASSOCIATION", "007", {{1, "OMEGA"}}),
        Ligne("ACTIVITES", "A01001", {{1, "AIDE A DOMICILE"}}),
        Ligne("ACTIVITES", "A01002", {{1, "PORTAGE DE REPAS"}}),
        Ligne("ACTIVITES", "A01LONG", {{1, "ACTIVITE MAL CODEE"}}),
        Ligne("ACTIVITES", "A01TAB", {{1, "TRAVAUX ABRITES"}}),
        Ligne("ACTIVITES", "B02001", {{1, "GARDE DE NUIT"}}),
        Organisme("101", "CPAM", "P", "1", "A01", {"A01001", "A01002"}),
        Organisme("102", "CAF", "P", "1", "A01", {"A01002"}),
        Organisme("103", "MSA", "P", "0", "A01", {"A01001"}),
        Organisme("104", "CLOS", "P", "1", "A01", {"A01001"}, "19000"),
        Organisme("105", "MUTUELLE", "M", "1", "A01", {"A01001"}),
        Organisme("201", "CARSAT", "P", "1", "B02", {"B02001"}),
        Ligne("RESPONSABLE", "R01", {{1, "DUPONT Jean"}}),
        Ligne("RESPONSABLE", "R02", {{1, "MARTIN Anne"}}),
        Ligne("SECTEUR", "S01", {{1, "NORD"}}),
        Ligne("SECTEUR", "S02", {{1, "SUD"}}),
        Ligne("COMMUNES", "75056", {{1, "PARIS"}}),
        Ligne("COMMUNES", "69123", {{1, "LYON"}}),
        Ligne("COMMUNES", "35288", {{1, "SAINT-MALO"}}),
        Ligne("COMMUNES", "22278", {{1, "SAINT-BRIEUC"}}),
        Ligne("COMMUNES", "00012", {{1, "COMMUNE D ESSAI"}}),
        Ligne("COMMUNES", "2A004", {{1, "AJACCIO"}}),
    };
    const std::vector<std::string> droits = DroitsStandard();
    lignes.insert(lignes.end(), droits.begin(), droits.end());
    return lignes;
}

dba::Enregistrement FichierEnPanne::LireEnreg(const std::string& /*cle*/) {
    throw dba::Erreur(dba::ErrStockage, "La base de données ne répond pas.");
}

void FichierEnPanne::Prelire(const std::vector<std::string>& /*cles*/) {
    throw dba::Erreur(dba::ErrStockage, "La base de données ne répond pas.");
}

Formulaire::Formulaire(const std::vector<std::string>& lignes, const std::string& login)
    : installation(lignes), controle(installation.Creer(login)), c(*controle), e(c) {
    c.GestionnaireErreurs(
        [this](const std::exception& erreur) { erreurs.append(QString::fromUtf8(erreur.what())); });
    c.Init();
    c.show();
    c.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&c));
}

void Formulaire::Taper(QWidget* controle, const QString& texte) {
    controle->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(controle, texte);
}

void Formulaire::Entree(QWidget* controle) {
    QTest::keyClick(controle, Qt::Key_Return);
}

void Formulaire::Quitter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void Formulaire::Choisir(QComboBox* liste, int entree) {
    liste->setFocus(Qt::MouseFocusReason);
    liste->showPopup();
    QAbstractItemView* vue = liste->view();
    const QModelIndex index = vue->model()->index(entree, 0);
    vue->scrollTo(index);
    const QRect rectangle = vue->visualRect(index);
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, rectangle.center());
}

QStringList Formulaire::Messages() {
    QStringList messages;
    for (const QString& appel : installation.plateforme->Appels()) {
        if (appel.startsWith(QStringLiteral("message "))) {
            messages.append(appel.mid(8));
        }
    }
    installation.plateforme->Oublier_Appels();
    return messages;
}

QStringList Formulaire::Selections(const std::string& fichier) const {
    QStringList phrases;
    const std::string debut = "selection SSELECT " + fichier;
    for (const std::string& entree : *installation.journal) {
        if (entree.rfind(debut, 0) == 0) {
            phrases.append(QString::fromStdString(entree.substr(10)));
        }
    }
    return phrases;
}

}  // namespace essai
