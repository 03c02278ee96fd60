#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>

#include "BaseChronometree.h"
#include "BasesDeBench.h"
#include "CommandeImprimer.h"
#include "ImprimantesChronometrees.h"
#include "ListeSqlDirecte.h"
#include "RenduDirect.h"
#include "ServeurDeBench.h"
#include "mvdb/TheClient.h"

// The list of one month of the ten-year database printed to a PDF file: through the
// command-line printing path (the control on its host form, as a user drives it), and beside
// it the same lines computed by one hand-written SQL query and drawn straight with QPainter.
// The command path runs on the SQLite file and on its copy on a PostgreSQL server.

namespace {

using Horloge = std::chrono::steady_clock;

constexpr int Annee = 2026;
constexpr int Mois = 6;
const char* const Entite = "041";

double millisecondes(Horloge::duration duree) {
    return std::chrono::duration<double, std::milli>(duree).count();
}

QString fichierPdf(const char* nom) {
    return QDir::temp().filePath(QString::fromLatin1(nom));
}

demo::DemandeImpression demande() {
    demo::DemandeImpression demande;
    demande.entite = QString::fromLatin1(Entite);
    demande.annee = Annee;
    demande.mois = Mois;
    demande.sortie = fichierPdf("ardoine-bench-commande.pdf");
    return demande;
}

// The detail lines of the document: the texts printed from 0.1 cm on, up to their line end.
std::vector<std::string> detailsImprimes(const imprimante::Document& document) {
    std::vector<std::string> details;
    std::string ligne;
    bool detail = false;
    for (const auto& operation : document.operations) {
        if (operation.genre != imprimante::Genre::Texte) {
            continue;
        }
        if (ligne.empty()) {
            detail = std::abs(operation.x - 0.1 * 567) < 0.01;
        }
        ligne += operation.texte;
        if (operation.finDeLigne) {
            if (detail) {
                details.push_back(ligne);
            }
            ligne.clear();
        }
    }
    return details;
}

struct Impression {
    BaseChronometree::Temps temps;
    Horloge::duration total{};
    Horloge::duration rendu{};
    imprimante::Document document;
};

Impression imprimerParLaCommande(const std::shared_ptr<dba::TheClient>& client) {
    auto base = std::make_shared<BaseChronometree>(client->base());
    auto imprimantes = std::make_shared<ImprimantesChronometrees>();
    const auto debut = Horloge::now();
    const auto sortie = demo::Imprimer_Liste(demande(), client, base, QStringLiteral("admin"),
                                             imprimantes, std::cerr);
    const auto total = Horloge::now() - debut;
    if (sortie != demo::ListeImprimee) {
        throw std::runtime_error("la commande n'a rien imprimé");
    }
    return {base->Mesures(), total, imprimantes->Dernier_Envoi().duree,
            imprimantes->Dernier_Envoi().document};
}

void impressionParLaCommande(benchmark::State& etat, bool surServeur) {
    const auto nom = baseDeMesure("bench-10ans", surServeur);
    if (!nom) {
        etat.SkipWithError("ARDOINE_BENCH_SERVEUR n'est pas défini");
        return;
    }
    const auto client = std::make_shared<dba::TheClient>(*nom);
    double selection = 0;
    double lecture = 0;
    double rendu = 0;
    Impression derniere;
    for (auto _ : etat) {
        derniere = imprimerParLaCommande(client);
        selection += millisecondes(derniere.temps.selection);
        lecture += millisecondes(derniere.temps.lecture);
        rendu += millisecondes(derniere.rendu);
    }
    const auto moyenne = benchmark::Counter::kAvgIterations;
    etat.counters["selection_ms"] = benchmark::Counter(selection, moyenne);
    etat.counters["lecture_ms"] = benchmark::Counter(lecture, moyenne);
    etat.counters["rendu_ms"] = benchmark::Counter(rendu, moyenne);
    etat.counters["lectures"] = static_cast<double>(derniere.temps.lectures);
    etat.counters["lots"] = static_cast<double>(derniere.temps.lecturesGroupees);
    etat.counters["pages"] = derniere.document.pages;
    etat.counters["lignes"] = static_cast<double>(detailsImprimes(derniere.document).size());
}

void listeSqlEtQPainter(benchmark::State& etat) {
    const std::string chemin = baseDeBench("bench-10ans");
    const QString periode = QStringLiteral("JUIN %1").arg(Annee);
    double requete = 0;
    double rendu = 0;
    int pages = 0;
    std::size_t lignes = 0;
    for (auto _ : etat) {
        const auto debut = Horloge::now();
        const auto liste = listeSqlDirecte(chemin, Entite, Annee, Mois);
        const auto milieu = Horloge::now();
        pages = rendreListe(liste, periode, QDate::currentDate(),
                            fichierPdf("ardoine-bench-direct.pdf"));
        requete += millisecondes(milieu - debut);
        rendu += millisecondes(Horloge::now() - milieu);
        lignes = liste.size();
    }
    const auto moyenne = benchmark::Counter::kAvgIterations;
    etat.counters["requete_ms"] = benchmark::Counter(requete, moyenne);
    etat.counters["rendu_ms"] = benchmark::Counter(rendu, moyenne);
    etat.counters["pages"] = pages;
    etat.counters["lignes"] = static_cast<double>(lignes);
}

std::vector<std::string> lignesDeLaCommande(const std::string& nom) {
    return detailsImprimes(imprimerParLaCommande(std::make_shared<dba::TheClient>(nom)).document);
}

// Every way must print the same lines, or the comparison means nothing.
bool memesLignes() {
    const auto imprimees = lignesDeLaCommande(baseDeBench("bench-10ans"));
    if (const auto serveur = baseDeMesure("bench-10ans", true);
        serveur && lignesDeLaCommande(*serveur) != imprimees) {
        std::cerr << "la liste imprimée depuis le serveur diffère de celle du fichier\n";
        return false;
    }
    const auto directes = listeSqlDirecte(baseDeBench("bench-10ans"), Entite, Annee, Mois);
    std::vector<std::string> attendues;
    for (const auto& ligne : directes) {
        attendues.push_back(ligne.detail);
    }
    std::cerr << "lignes de la commande : " << imprimees.size()
              << ", de la requête directe : " << attendues.size() << '\n';
    const auto ecart =
        std::mismatch(imprimees.begin(), imprimees.end(), attendues.begin(), attendues.end());
    if (ecart.first != imprimees.end() || ecart.second != attendues.end()) {
        std::cerr << "première différence :\n  commande : "
                  << (ecart.first != imprimees.end() ? *ecart.first : "(fin)") << "\n  directe  : "
                  << (ecart.second != attendues.end() ? *ecart.second : "(fin)") << '\n';
        return false;
    }
    return true;
}

}  // namespace

BENCHMARK_CAPTURE(impressionParLaCommande, fichier, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(impressionParLaCommande, serveur, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(listeSqlEtQPainter)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!memesLignes()) {
        std::cerr << "les deux listes diffèrent\n";
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
