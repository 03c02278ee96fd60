#include "ImpressionEssai.h"
#include "Face.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"
#include "outils/Outils.h"
#include "printer/ImprimantesSysteme.h"

namespace essai {

ImpressionEssai::ImpressionEssai(const std::vector<std::string>& lignes, const std::string& login,
                                 std::int16_t copies, const std::string& motDePasse)
    : donnees(lignes, motDePasse),
      base(std::make_shared<BasePiegee>(donnees.Client()->base())),
      imprimantes(std::make_shared<imprimante::ImprimantesEnregistrees>(
          std::vector<imprimante::Destination>{{"Enregistreuse"}})),
      choix(std::make_shared<imprimante::ChoixImprimanteScripte>(
          imprimante::Choix{0, copies, imprimante::Reglages{}})),
      controle(std::make_unique<Ctr_Ardoine>()) {
    plateforme->Fixer_Date(QDate(2018, 5, 15));
    outils::Outils::Partage().RemplacerServices(imprimantes, choix);
    controle->Plateforme(plateforme->Services());
    controle->GestionnaireErreurs(
        [this](const std::exception& erreur) { erreurs.emplace_back(erreur.what()); });
    controle->DroitsUtilisateur(
        std::make_shared<droits::DroitsFichier>(donnees.Client()->base(), login));
    controle->TheClient(donnees.Client());
    controle->TheDatabase(base);
    controle->Init();
    essai::Face(*controle).Txt_Association->setText(QStringLiteral("041"));
}

ImpressionEssai::~ImpressionEssai() = default;

void ImpressionEssai::Imprimer() {
    plateforme->Oublier_Appels();
    essai::Face(*controle).Cmd_Imprimer->setEnabled(true);
    essai::Face(*controle).Cmd_Imprimer->click();
}

imprimante::ImprimanteEnregistree& ImpressionEssai::Imprimante() const {
    if (imprimantes->Ouvertures().empty()) {
        throw std::logic_error("aucune imprimante ouverte");
    }
    return *imprimantes->Ouvertures().front().imprimante;
}

const imprimante::Document& ImpressionEssai::Document() const {
    const auto& documents = Imprimante().Documents();
    if (documents.empty()) {
        throw std::logic_error("aucun document terminé");
    }
    return documents.back().document;
}

bool ImpressionEssai::Envoye() const {
    const auto& documents = Imprimante().Documents();
    return !documents.empty() &&
           documents.back().sort == imprimante::ImprimanteEnregistree::Sort::Envoye;
}

std::string Imprimer_Vers(ImpressionEssai& impression, imprimante::Destination::Genre genre,
                          const std::string& fichier) {
    const auto systeme = std::make_shared<imprimante::ImprimantesSysteme>();
    const auto liste = systeme->Liste();
    const auto entree =
        std::find_if(liste.begin(), liste.end(),
                     [&](const imprimante::Destination& d) { return d.genre == genre; });
    outils::Outils::Partage().RemplacerServices(
        systeme, std::make_shared<imprimante::ChoixImprimanteScripte>(
                     imprimante::Choix{static_cast<std::int32_t>(entree - liste.begin()), 1,
                                       imprimante::Reglages{"A4", false, fichier}}));
    impression.erreurs.clear();
    impression.Imprimer();
    return impression.erreurs.empty() ? "" : impression.erreurs.front();
}

std::vector<std::string> ImpressionEssai::Messages() const {
    std::vector<std::string> messages;
    for (const QString& appel : plateforme->Appels()) {
        if (appel.startsWith(QLatin1String("message "))) {
            const QStringList parties = appel.mid(8).split(QStringLiteral(" | "));
            messages.push_back((parties.value(0) + " | " + parties.value(2)).toStdString());
        }
    }
    return messages;
}

namespace {

constexpr double DebutDetail = 0.1 * 567;

// The lines of a page, or only those that start at the detail column.
std::vector<std::string> LignesDePage(const imprimante::Document& document, int page,
                                      bool detailsSeulement) {
    std::vector<std::string> lignes;
    std::string ligne;
    bool gardee = true;
    for (const auto& texte : document.textes(page)) {
        if (ligne.empty() && detailsSeulement) {
            gardee = std::abs(texte.x - DebutDetail) < 0.01;
        }
        ligne += texte.texte;
        if (texte.finDeLigne) {
            if (gardee) {
                lignes.push_back(ligne);
            }
            ligne.clear();
        }
    }
    return lignes;
}

}  // namespace

std::vector<std::string> Lignes(const imprimante::Document& document, int page) {
    return LignesDePage(document, page, false);
}

std::vector<std::string> Details(const imprimante::Document& document, int page) {
    return LignesDePage(document, page, true);
}

std::vector<std::string> Codes(const imprimante::Document& document) {
    std::vector<std::string> codes;
    for (int page = 1; page <= document.pages; ++page) {
        for (const std::string& ligne : Details(document, page)) {
            codes.push_back(ligne.substr(0, 5));
        }
    }
    return codes;
}

}  // namespace essai
