#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <sstream>
#include <string>

#include "BasesDeBench.h"
#include "CommandeImprimer.h"
#include "Options.h"

// A range of months of the ten-year database printed through the command line, as a timer
// runs it: one month, then the twelve months of 2026, to a PDF file and to a workbook. The time
// per month of the range against the single month tells what the range costs beyond its months.

namespace {

QString fichier(const QString& nom) {
    return QDir::temp().filePath(nom);
}

demo::Options options(const std::string& base, const char* du, const char* au,
                      const QString& sortie) {
    return demo::Lire_Options(
        {QStringLiteral("ardoine-bench-plage"), QStringLiteral("print"), QStringLiteral("--db"),
         QString::fromStdString(base), QStringLiteral("--entite"), QStringLiteral("041"),
         QStringLiteral("--du"), QString::fromLatin1(du), QStringLiteral("--au"),
         QString::fromLatin1(au), QStringLiteral("--sortie"), sortie});
}

void imprimerPlage(benchmark::State& etat, const char* au, const char* extension) {
    const demo::Options demandees =
        options(baseDeBench("bench-10ans"), "2026-01", au,
                fichier(QStringLiteral("ardoine-bench-plage.") + QLatin1String(extension)));
    for (auto _ : etat) {
        std::ostringstream sortie;
        std::ostringstream messages;
        if (demo::Commande_Imprimer(demandees, sortie, messages) != demo::ListeImprimee) {
            etat.SkipWithError(("rien d'imprimé : " + messages.str()).c_str());
            return;
        }
    }
    etat.counters["mois"] = std::stoi(std::string(au).substr(5));
}

}  // namespace

BENCHMARK_CAPTURE(imprimerPlage, pdf_1_mois, "2026-01", "pdf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(imprimerPlage, pdf_12_mois, "2026-12", "pdf")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(imprimerPlage, xlsx_1_mois, "2026-01", "xlsx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(imprimerPlage, xlsx_12_mois, "2026-12", "xlsx")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
