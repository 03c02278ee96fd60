#include "CommandeImprimer.h"

#include <algorithm>
#include <ostream>

#include <QFileInfo>

#include "FenetreHote.h"
#include "PlateformeEnregistree.h"
#include "dba/Erreur.h"
#include "mvdb/NomBase.h"
#include "mvdb/TheClient.h"
#include "outils/Outils.h"
#include "printer/ChoixImprimanteScripte.h"
#include "printer/ImprimantesSysteme.h"

namespace demo {

namespace {

using Regroupement = DemandeImpression::Regroupement;

[[noreturn]] void Refuser(const QString& texte) {
    throw dba::Erreur(dba::ErrSaisie, texte.toStdString());
}

// The printer choice answers at once: the PDF entry, the file and the copies.
void Repondre_Choix_Imprimante(const DemandeImpression& demande,
                               std::shared_ptr<imprimante::Imprimantes> imprimantes) {
    const auto liste = imprimantes->Liste();
    const auto pdf = std::find_if(liste.begin(), liste.end(), [](const auto& destination) {
        return destination.genre == imprimante::Destination::Genre::FichierPdf;
    });
    if (pdf == liste.end()) {
        Refuser(QStringLiteral("Aucune imprimante ne produit de fichier PDF."));
    }
    const imprimante::Choix choix{static_cast<std::int32_t>(pdf - liste.begin()), demande.copies,
                                  imprimante::Reglages{"A4", false, demande.sortie.toStdString()}};
    outils::Outils::Partage().RemplacerServices(
        std::move(imprimantes), std::make_shared<imprimante::ChoixImprimanteScripte>(choix));
}

// A code the control refuses is taken out of its box again.
void Taper(QLineEdit& zone, const QString& code) {
    zone.setText(code);
    if (zone.text() != code) {
        Refuser(QStringLiteral("Le code « %1 » a été refusé.").arg(code));
    }
}

QRadioButton& Option(Ctr_Ardoine& controle, Regroupement regroupement) {
    switch (regroupement) {
        case Regroupement::Secteur:
            return *controle.Opt_Secteur;
        case Regroupement::Commune:
            return *controle.Opt_Commune;
        case Regroupement::Responsable:
            break;
    }
    return *controle.Opt_Responsable;
}

void Saisir_Criteres(Ctr_Ardoine& controle, const DemandeImpression& demande) {
    Taper(*controle.Txt_Association, demande.entite);
    if (!demande.activite.isEmpty()) {
        Taper(*controle.Txt_Activites, demande.activite);
    }
    Option(controle, demande.regroupement).click();
    if (!demande.groupe.isEmpty()) {
        Taper(demande.regroupement == Regroupement::Commune ? *controle.Txt_Commune
                                                            : *controle.Txt_Responsable,
              demande.groupe);
    }
    if (!demande.organisme.isEmpty()) {
        Taper(*controle.Txt_CodeOrg, demande.organisme);
        // Without its label the funding body would not limit the list.
        if (controle.Cbo_SigleOrg->currentText().isEmpty()) {
            Refuser(
                QStringLiteral("L'organisme « %1 » n'a pas été reconnu.").arg(demande.organisme));
        }
    }
}

// One step of the spinner is one month, whatever its size.
void Choisir_Mois(Ctr_Ardoine& controle, const DemandeImpression& demande) {
    const auto rang = [](int annee, int mois) { return annee * 12 + mois - 1; };
    const int ecart = rang(demande.annee, demande.mois) -
                      rang(controle.Annee_Courante.toInt(), controle.Mois_Courant.toInt());
    for (int pas = 0; pas < std::abs(ecart); ++pas) {
        controle.Bdh_Periode->stepBy(ecart > 0 ? 1 : -1);
    }
    if (rang(controle.Annee_Courante.toInt(), controle.Mois_Courant.toInt()) !=
        rang(demande.annee, demande.mois)) {
        Refuser(QStringLiteral("Le mois %1-%2 est hors de portée du sélecteur de période.")
                    .arg(demande.annee)
                    .arg(demande.mois, 2, 10, QLatin1Char('0')));
    }
}

void Appuyer_Imprimer(Ctr_Ardoine& controle, const QString& login) {
    if (controle.Cmd_Imprimer->isHidden()) {
        Refuser(QStringLiteral("L'utilisateur « %1 » n'a pas le droit d'imprimer.").arg(login));
    }
    if (!controle.Cmd_Imprimer->isEnabled()) {
        Refuser(QStringLiteral("Le bouton « Imprimer » n'est pas disponible : l'entité juridique "
                               "« %1 » n'a pas été acceptée.")
                    .arg(controle.Txt_Association->text()));
    }
    controle.Cmd_Imprimer->click();
}

}  // namespace

SortieImpression Imprimer_Liste(const DemandeImpression& demande,
                                std::shared_ptr<dba::TheClient> client,
                                std::shared_ptr<dba::TheDatabase> base, const QString& login,
                                std::shared_ptr<imprimante::Imprimantes> imprimantes,
                                std::ostream& messages) {
    const auto plateforme = std::make_shared<ardoine::PlateformeEnregistree>(&messages);
    FenetreHote forme(std::move(client), std::move(base), login, plateforme->Services());
    Ctr_Ardoine& controle = forme.Controle();
    bool echec = false;
    controle.GestionnaireErreurs([&](const std::exception& erreur) {
        echec = true;
        plateforme->Afficher(QString::fromUtf8(erreur.what()), ardoine::Icone::Critique,
                             QStringLiteral("Message KORVANE"));
    });
    Repondre_Choix_Imprimante(demande, std::move(imprimantes));
    Saisir_Criteres(controle, demande);
    Choisir_Mois(controle, demande);
    if (echec) {
        return EchecImpression;
    }
    Appuyer_Imprimer(controle, login);
    if (echec) {
        return EchecImpression;
    }
    return controle.Ligne_Imprimee ? ListeImprimee : RienImprime;
}

SortieImpression Commande_Imprimer(const Options& options, std::ostream& messages) {
    try {
        const DemandeImpression demande = Lire_Demande(options.impression);
        if (!mvdb::designeServeur(options.base.toStdString()) && !QFileInfo::exists(options.base)) {
            Refuser(QStringLiteral("Base de données introuvable : ") + options.base);
        }
        const auto client = std::make_shared<dba::TheClient>(options.base.toStdString());
        return Imprimer_Liste(demande, client, client->base(), options.login,
                              std::make_shared<imprimante::ImprimantesSysteme>(), messages);
    } catch (const dba::Erreur& erreur) {
        messages << erreur.texte() << std::endl;
        return EchecImpression;
    }
}

}  // namespace demo
