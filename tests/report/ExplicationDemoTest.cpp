#include <gtest/gtest.h>

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <set>

#include "PdfRelu.h"

// On the demo database, the explanation and the paper agree: for every aided person with an
// agreement ending in the month, the explanation says "printed" exactly for the lines of the
// PDF the print command leaves, at their page and line. Both are asked of the programs as a
// person would, and compared as "code end-date page P, ligne L".

namespace {

const QString Base = QStringLiteral(ARDOINE_BINARY_DIR "/demo.db");
const QStringList Criteres{"--db", Base, "--entite", "041", "--mois", "2026-12"};

using Lignes = std::multiset<std::string>;

// The day numbers of the database count from 31/12/1967.
QDate Jour(int numero) {
    return QDate(1967, 12, 31).addDays(numero);
}

int Numero(QDate jour) {
    return static_cast<int>(QDate(1967, 12, 31).daysTo(jour));
}

// The codes of the persons with an agreement ending in December 2026, whatever its entity.
QStringList AidesDuMois() {
    const QString phrase = QStringLiteral(
                               "SSELECT ACCORD AVEC DateFinAccord >= \"%1\" AND AVEC "
                               "DateFinAccord <= \"%2\"")
                               .arg(Numero(QDate(2026, 12, 1)))
                               .arg(Numero(QDate(2026, 12, 31)));
    QStringList aides;
    for (const QString& cle :
         essai::Sortie(QStringLiteral(ARDOINE_DB_PROGRAMME), {"select", Base, phrase})
             .split('\n', Qt::SkipEmptyParts)) {
        aides << cle.left(5);
    }
    aides.removeDuplicates();
    return aides;
}

// The detail lines of the PDF, page by page, numbered from 1 on each page.
Lignes LignesDeDetail(const QString& pdf) {
    static const QRegularExpression detail(R"(^(\d{5}) .* (\d\d/\d\d/\d{4})$)");
    Lignes lignes;
    const QStringList pages =
        essai::Sortie("pdftotext", {"-layout", pdf, "-"}).split('\f', Qt::SkipEmptyParts);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        int ligne = 0;
        for (const QString& texte : pages[page].split('\n')) {
            const auto trouve = detail.match(texte.trimmed());
            if (trouve.hasMatch()) {
                lignes.insert(QStringLiteral("%1 %2 page %3, ligne %4")
                                  .arg(trouve.captured(1), trouve.captured(2))
                                  .arg(page + 1)
                                  .arg(++ligne)
                                  .toStdString());
            }
        }
    }
    return lignes;
}

// What the explanations say: the agreements said printed, with their place, and how many
// times each reason for leaving one off was given.
struct Dit {
    Lignes imprimees;
    std::map<std::string, int> raisons;
};

// Reads the explanation of one person (its JSON) into `dit`.
void Lire(const QByteArray& json, Dit& dit) {
    static const QString imprime = QStringLiteral("imprimé ");
    const QJsonObject explication = QJsonDocument::fromJson(json).object();
    EXPECT_FALSE(explication.isEmpty()) << json.toStdString();
    for (const QJsonValue valeur : explication["accords"].toArray()) {
        const QJsonObject accord = valeur.toObject();
        const QString verdict = accord["verdict"].toString();
        EXPECT_EQ(accord["imprime"].toBool(), verdict.startsWith(imprime)) << verdict.toStdString();
        if (verdict.startsWith(imprime)) {
            dit.imprimees.insert(
                QStringLiteral("%1 %2 %3")
                    .arg(accord["accord"].toString().left(5),
                         Jour(accord["fin"].toString().toInt()).toString("dd/MM/yyyy"),
                         verdict.mid(imprime.size()))
                    .toStdString());
        } else {
            ++dit.raisons[verdict.toStdString()];
        }
    }
}

// The explanations of all the persons, a few programs at a time.
Dit Expliquer(const QStringList& aides) {
    constexpr qsizetype ensemble = 6;
    Dit dit;
    for (qsizetype debut = 0; debut < aides.size(); debut += ensemble) {
        std::vector<std::unique_ptr<QProcess>> programmes;
        for (const QString& aide : aides.mid(debut, ensemble)) {
            programmes.push_back(std::make_unique<QProcess>());
            programmes.back()->start(
                QStringLiteral(ARDOINE_DEMO),
                QStringList{"explique"} + Criteres + QStringList{"--aide", aide, "--json"});
        }
        for (const auto& programme : programmes) {
            EXPECT_TRUE(programme->waitForFinished(60000));
            EXPECT_EQ(programme->exitCode(), 0) << programme->readAllStandardError().toStdString();
            Lire(programme->readAllStandardOutput(), dit);
        }
    }
    return dit;
}

TEST(ExplicationDemo, ImprimeExactementPourLesLignesDuPdf) {
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("liste.pdf"));
    essai::Sortie(QStringLiteral(ARDOINE_DEMO),
                  QStringList{"print"} + Criteres + QStringList{"--sortie", pdf});
    const Lignes papier = LignesDeDetail(pdf);
    // The month must give a list of several pages for the places to mean something.
    ASSERT_GT(essai::PagesDuPdf(pdf), 2);
    ASSERT_GT(papier.size(), 10U);

    const QStringList aides = AidesDuMois();
    ASSERT_GT(aides.size(), static_cast<qsizetype>(papier.size()));
    const Dit dit = Expliquer(aides);
    EXPECT_EQ(dit.imprimees, papier);
    // The month puts the rules that keep an agreement off the list to work.
    EXPECT_GT(dit.raisons.count("non imprimé : renouvelé"), 0U);
    EXPECT_GT(dit.raisons.count("non imprimé : couvert par une demande de renouvellement"), 0U);
    EXPECT_GT(dit.raisons.count("non imprimé : écarté par la phrase de sélection"), 0U);
}

}  // namespace
