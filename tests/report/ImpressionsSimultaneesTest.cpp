#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "BaseEssai.h"
#include "DonneesRapport.h"

// Several workstations print the list of one month while another imports: each print is a
// demo host process writing a CSV file, the import an `ardoine-db import` that keeps its
// transaction open until the test ends its input. Every list is the one before the import or the
// one after it, byte for byte, never a mixture.

namespace {

using Horloge = std::chrono::steady_clock;
using Lignes = std::vector<std::string>;

constexpr int Aides = 400;
constexpr int Postes = 4;
// Each print process is given this long before the test gives up on the scenario.
constexpr int DelaiMs = 60000;

Lignes Donnees() {
    return essai::Avec(essai::AidesDeMai(essai::Serie(Aides)));
}

// Renews every tenth person of May, from the first pages of the list to its last, and adds a
// person whose agreement ends in May: the list after the import differs all along.
QByteArray Importees() {
    std::string lignes;
    for (const essai::Personne& personne : essai::Serie(Aides)) {
        if (std::stoi(personne.code) % 10 == 0) {
            lignes += essai::Suivant(personne.code + "002") + '\n';
        }
    }
    lignes += essai::Aide({"99999", "ZZNOUVEAU", "Paul"}) + '\n';
    lignes += essai::AccordDeMai("99999001") + '\n';
    return QByteArray::fromStdString(lignes);
}

// One print of May 2018 by a demo host process, into its own CSV file.
struct Impression {
    std::unique_ptr<QProcess> processus = std::make_unique<QProcess>();
    QString sortie;
    Horloge::time_point debut;
    Horloge::time_point fin;
    int code = -1;
    QByteArray erreurs;
    QByteArray liste;

    Impression(const std::string& base, QString fichier) : sortie(std::move(fichier)) {
        debut = Horloge::now();
        processus->start(QStringLiteral(ARDOINE_DEMO),
                         {"print", "--db", QString::fromStdString(base), "--entite", "041",
                          "--mois", "2018-05", "--sortie", sortie});
    }

    // True once the process has ended, its list and its error output kept.
    bool Terminee(int attenteMs) {
        if (code >= 0) {
            return true;
        }
        if (processus->state() != QProcess::NotRunning && !processus->waitForFinished(attenteMs)) {
            return false;
        }
        fin = Horloge::now();
        code = processus->exitStatus() == QProcess::NormalExit ? processus->exitCode() : 99;
        erreurs = processus->readAllStandardError();
        QFile fichier(sortie);
        if (fichier.open(QIODevice::ReadOnly)) {
            liste = fichier.readAll();
        }
        return true;
    }
};

QByteArray ImprimerSeul(const std::string& base, const QString& sortie) {
    Impression impression(base, sortie);
    impression.Terminee(DelaiMs);
    EXPECT_EQ(impression.code, 0) << impression.erreurs.toStdString();
    return impression.liste;
}

class ImpressionsSimultaneesSurServeur : public ::testing::Test {
  protected:
    // The same scenario on a database file is left to the print run's own tests: there a print
    // reads the list too fast for the commit to fall inside it.
    void SetUp() override {
        if (!LieuEssai().surServeur()) {
            GTEST_SKIP() << "sur le serveur seulement";
        }
        base.emplace(Donnees());
    }

    void Lancer(std::vector<std::unique_ptr<Impression>>& poste) {
        poste.push_back(std::make_unique<Impression>(
            base->Chemin(), dossier.filePath(QStringLiteral("liste-%1.csv").arg(++numero))));
    }

    // Every workstation prints at the same moment; the time of the fastest's print comes back.
    Horloge::duration ImprimerEnsemble() {
        for (auto& poste : postes) {
            Lancer(poste);
        }
        Horloge::duration duree = Horloge::duration::max();
        for (auto& poste : postes) {
            poste.back()->Terminee(DelaiMs);
            duree = std::min(duree, poste.back()->fin - poste.back()->debut);
        }
        return duree;
    }

    // Keeps every workstation printing until each has finished a print started after `moment`.
    void ImprimerDepuis(Horloge::time_point moment, Horloge::time_point limite) {
        const auto faite = [&](const auto& poste) {
            return std::any_of(poste.begin(), poste.end(), [&](const auto& impression) {
                return impression->code >= 0 && impression->debut > moment;
            });
        };
        while (!std::all_of(postes.begin(), postes.end(), faite) && Horloge::now() < limite) {
            for (auto& poste : postes) {
                if (poste.back()->Terminee(2) && !faite(poste)) {
                    Lancer(poste);
                }
            }
        }
    }

    std::optional<essai::BaseEssai> base;
    QTemporaryDir dossier;
    std::vector<std::vector<std::unique_ptr<Impression>>> postes{Postes};
    int numero = 0;
};

TEST_F(ImpressionsSimultaneesSurServeur, ChaqueListeEstCelleDAvantOuCelleDApresLImportation) {
    const QByteArray avant = ImprimerSeul(base->Chemin(), dossier.filePath("avant.csv"));
    ASSERT_FALSE(avant.isEmpty());

    const auto limite = Horloge::now() + std::chrono::milliseconds(DelaiMs);
    QProcess import;
    import.start(QStringLiteral(ARDOINE_DB_PROGRAMME),
                 {"import", QString::fromStdString(base->Chemin()), "-"});
    ASSERT_TRUE(import.waitForStarted());
    import.write(Importees());
    // The import holds its transaction while every workstation prints once, then while they
    // print again together: its input ends halfway through that print, when they read the list
    // (the start of the host and of its form is the shorter part of a print).
    const Horloge::duration duree = ImprimerEnsemble();
    for (auto& poste : postes) {
        Lancer(poste);
    }
    std::this_thread::sleep_for(duree / 2);
    const auto finEntree = Horloge::now();
    import.closeWriteChannel();
    ASSERT_TRUE(import.waitForFinished(DelaiMs));
    const auto finImport = Horloge::now();
    ASSERT_EQ(import.exitCode(), 0) << import.readAllStandardError().toStdString();
    ImprimerDepuis(finImport, limite);
    for (auto& poste : postes) {
        poste.back()->Terminee(DelaiMs);
    }
    ASSERT_LT(Horloge::now(), limite) << "les impressions n'ont pas fini à temps";

    const QByteArray apres = ImprimerSeul(base->Chemin(), dossier.filePath("apres.csv"));
    ASSERT_NE(avant, apres);
    int listesAvant = 0;
    int listesApres = 0;
    int chevauchantes = 0;
    const auto ms = [&](Horloge::time_point t) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(t - finEntree).count();
    };
    for (const auto& poste : postes) {
        for (const auto& impression : poste) {
            SCOPED_TRACE(impression->sortie.toStdString() + " de " +
                         std::to_string(ms(impression->debut)) + " à " +
                         std::to_string(ms(impression->fin)) + " ms");
            EXPECT_EQ(impression->code, 0) << impression->erreurs.toStdString();
            listesAvant += impression->liste == avant;
            listesApres += impression->liste == apres;
            EXPECT_TRUE(impression->liste == avant || impression->liste == apres)
                << "liste mêlée : " << impression->liste.count('\n') << " lignes";
            chevauchantes += impression->debut < finEntree && impression->fin > finImport;
        }
    }
    // Prints ran from before the end of the import's input to after its commit.
    EXPECT_GE(chevauchantes, 1);
    EXPECT_GE(listesAvant, Postes);
    EXPECT_GE(listesApres, Postes);
    std::cout << "[          ] " << numero << " impressions : " << listesAvant << " d'avant, "
              << listesApres << " d'après, " << chevauchantes
              << " commencées avant la validation de l'importation et finies après\n";
}

}  // namespace
