#include "CommandeExpliquer.h"

#include <ostream>

#include <QLineEdit>

#include "BaseDemandee.h"
#include "CriteresAffiches.h"
#include "Ctr_Ardoine.h"
#include "SelectionAccords.h"
#include "dba/Erreur.h"
#include "liste/Explication.h"
#include "mvdb/TheClient.h"
#include "outils/Outils.h"
#include "printer/ImprimantesEnregistrees.h"

namespace demo {

namespace {

[[noreturn]] void Refuser(const QString& texte) {
    throw dba::Erreur(dba::ErrArgument, texte.toStdString());
}

// A person's code is five characters; an agreement's key is that code and three more.
void Verifier(const OptionsExplication& options) {
    if (options.aide.size() != 5 || options.aide.contains(QLatin1Char('"'))) {
        Refuser(QStringLiteral("L'option --aide attend le code d'un aidé (5 caractères)."));
    }
    if (!options.accord.isEmpty() &&
        (options.accord.size() != 8 || !options.accord.startsWith(options.aide) ||
         options.accord.contains(QLatin1Char('"')))) {
        Refuser(QStringLiteral("L'option --accord attend la clé d'un accord de l'aidé « %1 ».")
                    .arg(options.aide));
    }
}

}  // namespace

SortieImpression Commande_Expliquer(const Options& options, std::ostream& sortie,
                                    std::ostream& messages) {
    try {
        const OptionsExplication& explique = options.explication;
        Verifier(explique);
        const DemandeImpression demande =
            Lire_Demande(options.impression, {}, QDate::currentDate(), false);
        if (demande.moisImprimes > 1) {
            Refuser(
                QStringLiteral("La commande « explique » explique la liste d'un mois : "
                               "--mois, sans --du ni --au."));
        }
        if (!demande.sortie.isEmpty() || !demande.imprimante.isEmpty() ||
            demande.unFichierParGroupe) {
            Refuser(
                QStringLiteral("La commande « explique » n'imprime rien : ni --sortie, ni "
                               "--imprimante, ni --un-fichier-par-groupe."));
        }
        const auto client = Ouvrir_Base(options.base);
        const std::string aide = explique.aide.toStdString();
        rapport::RecueilDecisions recueil(aide);
        std::vector<rapport::PartieSelection> parties;
        std::string periode;
        const auto imprimantes = std::make_shared<imprimante::ImprimantesEnregistrees>(
            std::vector<imprimante::Destination>{
                {"Explication", imprimante::Destination::Genre::FichierPdf}});
        const SortieImpression impression = Imprimer_Liste(
            demande, client, client->base(), options.login, imprimantes, messages,
            [&](Ctr_Ardoine& controle) {
                controle.Observateur_Liste(&recueil);
                // The sentence the run is about to select with.
                parties = rapport::Parties_Selection(Criteres_Affiches(controle),
                                                     controle.Periode_Affichee());
                periode = controle.findChild<QLineEdit*>(QStringLiteral("Txt_Periode"))
                              ->text()
                              .toStdString();
            });
        if (impression == EchecImpression) {
            return EchecImpression;
        }
        const rapport::Explication explication = rapport::Expliquer(
            *client->base(), aide, explique.accord.toStdString(), periode, parties, recueil);
        const auto date = [](const std::string& jour) {
            try {
                return outils::Outils::Partage().DateExterne(jour);
            } catch (const dba::Erreur&) {
                return jour;
            }
        };
        sortie << (explique.json ? rapport::Json_Explication(explication, date) + "\n"
                                 : rapport::Texte_Explication(explication, date));
        return ListeImprimee;
    } catch (const dba::Erreur& erreur) {
        messages << erreur.texte() << std::endl;
        return EchecImpression;
    }
}

}  // namespace demo
