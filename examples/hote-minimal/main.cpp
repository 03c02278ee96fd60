// hote-minimal BASE [--login NOM] [--screenshot FICHIER.png]
//                   [--pdf FICHIER.pdf --entite CODE --mois AAAA-MM]
// Opens the form drawn in Designer on the database BASE; with --screenshot, saves the window
// and ends; with --pdf, prints the list of that month grouped by manager into the file.
#include <QApplication>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <iostream>

#include "ImpressionPdf.h"
#include "dba/Erreur.h"
#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"
#include "outils/Outils.h"
#include "printer/ImprimantesSysteme.h"
#include "ui_FenetreMinimale.h"

namespace {

// The spinner moves one month per step, from the month the control shows.
void Choisir_Mois(Ctr_Ardoine& controle, const QString& mois) {
    const QDate affiche = controle.Periode_Affichee();
    const int ecart =
        (mois.left(4).toInt() - affiche.year()) * 12 + mois.mid(5, 2).toInt() - affiche.month();
    auto* periode = controle.findChild<QSpinBox*>(QStringLiteral("Bdh_Periode"));
    for (int pas = 0; pas < std::abs(ecart); ++pas) {
        periode->stepBy(ecart > 0 ? 1 : -1);
    }
}

bool Imprimer(Ctr_Ardoine& controle, const QString& pdf, const QString& entite,
              const QString& mois) {
    outils::Outils::Partage().RemplacerServices(std::make_shared<imprimante::ImprimantesSysteme>(),
                                                std::make_shared<ChoixPdf>(pdf));
    controle.findChild<QLineEdit*>(QStringLiteral("Txt_Association"))->setText(entite);
    controle.findChild<QRadioButton*>(QStringLiteral("Opt_Responsable"))->click();
    if (!mois.isEmpty()) {
        Choisir_Mois(controle, mois);
    }
    controle.findChild<QPushButton*>(QStringLiteral("Cmd_Imprimer"))->click();
    return controle.Liste_Imprimee();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QCommandLineParser analyseur;
    analyseur.addHelpOption();
    analyseur.addPositionalArgument(QStringLiteral("base"), QStringLiteral("Base de données."));
    const QCommandLineOption login(QStringLiteral("login"), QStringLiteral("Utilisateur."),
                                   QStringLiteral("NOM"), QStringLiteral("admin"));
    const QCommandLineOption capture(QStringLiteral("screenshot"),
                                     QStringLiteral("Capture de la fenêtre."),
                                     QStringLiteral("FICHIER.png"));
    const QCommandLineOption pdf(QStringLiteral("pdf"), QStringLiteral("Liste imprimée."),
                                 QStringLiteral("FICHIER.pdf"));
    const QCommandLineOption entite(QStringLiteral("entite"), QStringLiteral("Entité juridique."),
                                    QStringLiteral("CODE"), QStringLiteral("041"));
    const QCommandLineOption mois(QStringLiteral("mois"), QStringLiteral("Mois de fin."),
                                  QStringLiteral("AAAA-MM"));
    analyseur.addOptions({login, capture, pdf, entite, mois});
    analyseur.process(application);
    if (analyseur.positionalArguments().size() != 1) {
        analyseur.showHelp(2);
    }

    QMainWindow fenetre;
    Ui::FenetreMinimale forme;
    forme.setupUi(&fenetre);
    Ctr_Ardoine& controle = *forme.ctr_Ardoine;
    auto services = ardoine::PlateformeQt();
    services.messages = std::make_shared<MessagesConsole>();
    controle.Plateforme(services);
    try {
        // The four calls of the host interface.
        auto client =
            std::make_shared<dba::TheClient>(analyseur.positionalArguments()[0].toStdString());
        controle.DroitsUtilisateur(std::make_shared<droits::DroitsFichier>(
            client->base(), analyseur.value(login).toStdString()));
        controle.TheClient(client);
        controle.TheDatabase(client->base());
        controle.Init();
    } catch (const dba::Erreur& erreur) {
        std::cerr << erreur.texte() << std::endl;
        return 1;
    }
    fenetre.show();
    if (analyseur.isSet(capture)) {
        QApplication::processEvents();
        return fenetre.grab().save(analyseur.value(capture), "PNG") ? 0 : 1;
    }
    if (analyseur.isSet(pdf)) {
        return Imprimer(controle, analyseur.value(pdf), analyseur.value(entite),
                        analyseur.value(mois))
                   ? 0
                   : 1;
    }
    return QApplication::exec();
}
