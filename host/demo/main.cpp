#include <iostream>

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "CommandeImprimer.h"
#include "FenetreHote.h"
#include "Options.h"
#include "TraductionQt.h"
#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/TheClient.h"

namespace {

// Without a display the program still runs, on the offscreen platform (screenshots, CI).
void Choisir_Affichage() {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

void Signaler(const QString& texte, bool interactif) {
    std::cerr << texte.toStdString() << std::endl;
    if (interactif && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, QStringLiteral("Message KORVANE"), texte);
    }
}

int Capturer(demo::FenetreHote& fenetre, const QString& fichier) {
    QApplication::processEvents();
    if (!fenetre.grab().save(fichier, "PNG")) {
        std::cerr << "Impossible d'enregistrer la capture : " << fichier.toStdString() << std::endl;
        return 1;
    }
    return 0;
}

int Ouvrir_Formulaire(const demo::Options& options) {
    const bool interactif = options.capture.isEmpty();
    if (!mvdb::designeServeur(options.base.toStdString()) && !QFileInfo::exists(options.base)) {
        Signaler(QStringLiteral("Base de données introuvable : ") + options.base, interactif);
        return 1;
    }
    try {
        auto client = std::make_shared<dba::TheClient>(options.base.toStdString());
        demo::FenetreHote fenetre(client, options.login);
        fenetre.show();
        if (!interactif) {
            return Capturer(fenetre, options.capture);
        }
        const int code = QApplication::exec();
        std::cout << "W_Sortir : " << (fenetre.Sortie_Demandee() ? "Vrai" : "Faux") << std::endl;
        return code;
    } catch (const dba::Erreur& erreur) {
        Signaler(QString::fromStdString(erreur.texte()), interactif);
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    Choisir_Affichage();
    QApplication application(argc, argv);
    hote::Installer_Traduction_Qt();
    const demo::Options options = demo::Lire_Options(application);
    if (options.commande.isEmpty()) {
        return Ouvrir_Formulaire(options);
    }
    if (options.commande == QLatin1String("print")) {
        return demo::Commande_Imprimer(options, std::cerr);
    }
    std::cerr << "Commande inconnue : " << options.commande.toStdString() << std::endl;
    return 2;
}
