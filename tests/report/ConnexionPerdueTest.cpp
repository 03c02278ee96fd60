#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "DonneesRapport.h"
#include "Face.h"
#include "ImpressionEssai.h"
#include "liste/DestinationListe.h"
#include "mvdb/NomBase.h"
#include "outils/Outils.h"
#include "printer/ImprimantesSysteme.h"

// The server drops the control's connection while a print run reads the list (an administrator
// ends the session, the server restarts): the run is abandoned with a French message, the form
// comes back to life, and the next press of "Imprimer" connects again and prints the list.

namespace {

using essai::ImpressionEssai;
using Lignes = std::vector<std::string>;
using imprimante::ImprimanteEnregistree;

const char* const MotDePasse = "s3cret";

// Watches the walk of the list and cuts the connection once the first agreement is decided.
// The run reads the records of its lines ahead, by batches, and a person's later agreements as
// the reading reaches them: those of the last person go to a connection the server has ended.
class CoupureAuPremierAccord : public rapport::DestinationListe {
  public:
    explicit CoupureAuPremierAccord(std::function<void()> couper) : couper_(std::move(couper)) {}

    void Debut_Groupe(const std::string&) override {}
    void Ligne(const rapport::LigneListe&) override {}
    void Decision(const rapport::DecisionAccord&) override {
        if (couper_) {
            std::exchange(couper_, nullptr)();
        }
    }
    void Fin_Liste() override {}

  private:
    std::function<void()> couper_;
};

// Persons of May, the third renewed; the last has twelve later agreements that do not renew
// its own, more than its batch reads ahead.
constexpr int Personnes = 501;

Lignes Donnees() {
    Lignes lignes = essai::AidesDeMai(essai::Serie(Personnes));
    lignes.push_back(essai::Suivant("00003002"));
    for (int numero = 2; numero <= 13; ++numero) {
        lignes.push_back(essai::Suivant(
            "00501" + std::string(numero < 10 ? "00" : "0") + std::to_string(numero), 3));
    }
    return essai::Avec(lignes);
}

// Every person but the renewed one, in order.
void VerifierListeEntiere(const Lignes& codes) {
    ASSERT_EQ(codes.size(), static_cast<std::size_t>(Personnes - 1));
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "00003"), 0);
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    EXPECT_EQ(codes.back(), "00501");
}

class ConnexionPerdueSurServeur : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!LieuEssai().surServeur()) {
            GTEST_SKIP() << "sur le serveur seulement";
        }
        impression.emplace(Donnees(), "admin", 1, MotDePasse);
        impression->controle->Observateur_Liste(&coupure);
    }

    // Ends every session of the control on its database, as pg_terminate_backend does for an
    // administrator, and waits until they are gone.
    void Couper() {
        impression->donnees.Administrer(
            "SELECT pg_terminate_backend(pid, 5000) FROM pg_stat_activity "
            "WHERE datname = current_database() AND pid <> pg_backend_pid()");
        ++coupures;
    }

    // The run stopped: one message for the host, in French, naming the database without its
    // password; the busy state is undone and the form stays open.
    void VerifierAbandon() {
        ASSERT_EQ(coupures, 1);
        ASSERT_EQ(impression->erreurs.size(), 1U);
        EXPECT_EQ(
            impression->erreurs.front(),
            "Impression interrompue : Accès à la base « " +
                mvdb::nomAffichable(impression->donnees.Chemin() + " password=" + MotDePasse) +
                " » impossible : la connexion au serveur a été perdue.");
        EXPECT_EQ(impression->erreurs.front().find(MotDePasse), std::string::npos);
        EXPECT_EQ(impression->plateforme->Appels().filter(QStringLiteral("pointeur")).last(),
                  "pointeur 0");
        EXPECT_TRUE(impression->controle->isEnabled());
        EXPECT_TRUE(essai::Face(*impression->controle).Cmd_Imprimer->isEnabled());
        EXPECT_FALSE(essai::Face(*impression->controle).Prg_Accord->isVisible());
        EXPECT_FALSE(impression->controle->W_Sortir());
    }

    std::optional<ImpressionEssai> impression;
    int coupures = 0;
    CoupureAuPremierAccord coupure{[this] { Couper(); }};
};

TEST_F(ConnexionPerdueSurServeur,
       LImpressionEstAbandonneeEtLaSuivanteSeReconnecteEtImprimeToutLaListe) {
    impression->Imprimer();
    VerifierAbandon();
    const auto& abandonnes = impression->Imprimante().Documents();
    ASSERT_EQ(abandonnes.size(), 1U);
    EXPECT_EQ(abandonnes.front().sort, ImprimanteEnregistree::Sort::Abandonne);

    impression->Imprimer();
    EXPECT_EQ(impression->erreurs.size(), 1U);
    const auto& documents = impression->imprimantes->Ouvertures().back().imprimante->Documents();
    ASSERT_EQ(documents.size(), 1U);
    EXPECT_EQ(documents.front().sort, ImprimanteEnregistree::Sort::Envoye);
    VerifierListeEntiere(essai::Codes(documents.front().document));
    EXPECT_TRUE(impression->controle->W_Sortir());
}

// The table file is written whole at the end of the walk: a cut run leaves no file.
TEST_F(ConnexionPerdueSurServeur, UnFichierCsvNEstPasEcritEtLeSuivantLEst) {
    QTemporaryDir dossier;
    const QString csv = dossier.filePath(QStringLiteral("liste.csv"));
    outils::Outils::Partage().RemplacerServices(
        std::make_shared<imprimante::ImprimantesSysteme>(),
        std::make_shared<imprimante::ChoixImprimanteScripte>(
            imprimante::Choix{2, 1, imprimante::Reglages{"A4", false, csv.toStdString()}}));
    impression->Imprimer();
    VerifierAbandon();
    EXPECT_FALSE(QFile::exists(csv));

    impression->Imprimer();
    EXPECT_EQ(impression->erreurs.size(), 1U);
    QFile fichier(csv);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(fichier.readAll());
    EXPECT_EQ(texte.count('\n'), Personnes);
    EXPECT_FALSE(texte.contains(QLatin1String("00003")));
    for (const char* code : {"00001", "00002", "00004", "00501"}) {
        EXPECT_TRUE(texte.contains(QLatin1String(code))) << code;
    }
}

// A session the server ended while the form waited (a restart in the night, an idle timeout):
// nothing was read yet, so the press of "Imprimer" connects again and prints.
TEST_F(ConnexionPerdueSurServeur, UneConnexionPerdueAvantLImpressionEstRetablieSansMessage) {
    impression->controle->Observateur_Liste(nullptr);
    Couper();
    impression->Imprimer();
    EXPECT_TRUE(impression->erreurs.empty()) << impression->erreurs.front();
    ASSERT_TRUE(impression->Envoye());
    VerifierListeEntiere(essai::Codes(impression->Document()));
}

}  // namespace
