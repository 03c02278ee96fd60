#include <iostream>

#include <QApplication>
#include <QMessageBox>

#include "BaseDemandee.h"
#include "CommandeExpliquer.h"
#include "CommandeImprimer.h"
#include "DossierExecution.h"
#include "FenetreHote.h"
#include "LectureArguments.h"
#include "LimiteDeTaille.h"
#include "Options.h"
#include "TraductionQt.h"
#include "Version.h"
#include "dba/Erreur.h"
#include "mvdb/TheClient.h"

namespace {

// The commands show nothing, and a screenshot needs no screen: both run on the offscreen
// platform when there is no display, and the commands always do.
void Choisir_Affichage(const demo::Options& options) {
    const bool sansAffichage =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        (sansAffichage || !options.commande.isEmpty())) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// The form on the offscreen platform would wait for a user who cannot see it.
bool Formulaire_Invisible(const demo::Options& options) {
    return options.commande.isEmpty() && options.capture.isEmpty() &&
           QGuiApplication::platformName() == QLatin1String("offscreen");
}

void Signaler(const QString& texte, bool interactif) {
    std::cerr << texte.toStdString() << std::endl;
    if (interactif && QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, QStringLiteral("Message KORVANE"), texte);
    }
}

int Capturer(demo::FenetreHote& fenetre, const QString& fichier) {
    if (!fenetre.Capturer(fichier)) {
        std::cerr << "Impossible d'enregistrer la capture : " << fichier.toStdString() << std::endl;
        return demo::EchecImpression;
    }
    return 0;
}

int Ouvrir_Formulaire(const demo::Options& options) {
    const bool interactif = options.capture.isEmpty();
    try {
        auto client = demo::Ouvrir_Base(options.base);
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
        return demo::EchecImpression;
    }
}

}  // namespace

int main(int argc, char** argv) {
    hote::Ecrire_Sous_Limite_De_Taille();
    demo::Options options;
    try {
        options = demo::Lire_Options(hote::Lire_Arguments(argc, argv, std::cerr));
    } catch (const dba::Erreur& erreur) {
        std::cerr << erreur.texte() << std::endl;
        return demo::EchecImpression;
    }
    Choisir_Affichage(options);
    const hote::DossierExecution dossierExecution;
    QApplication application(argc, argv);
    hote::Installer_Traduction_Qt();
    if (options.aide) {
        std::cout << demo::Texte_Aide().toStdString();
        return 0;
    }
    if (options.version) {
        std::cout << "ardoine-demo " << hote::Version_Complete().toStdString() << std::endl;
        return 0;
    }
    if (Formulaire_Invisible(options)) {
        std::cerr << "Aucun affichage pour montrer le formulaire : utilisez « ardoine-demo print » "
                     "pour imprimer la liste ou --screenshot FICHIER.png pour en avoir l'image."
                  << std::endl;
        return demo::EchecImpression;
    }
    if (options.commande.isEmpty()) {
        return Ouvrir_Formulaire(options);
    }
    if (options.commande == QLatin1String("explique")) {
        return demo::Commande_Expliquer(options, std::cout, std::cerr);
    }
    return demo::Commande_Imprimer(options, std::cout, std::cerr);
}
