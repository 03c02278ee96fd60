#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QTemporaryDir>

#include "dba/Erreur.h"
#include "printer/ApercuImpression.h"
#include "printer/DessinDocument.h"
#include "printer/ImprimanteEnregistree.h"
#include "printer/ImprimantesSysteme.h"
#include "printer/PreparationQPrinter.h"

using namespace imprimante;

void PrintTo(const QString& texte, std::ostream* sortie) {
    *sortie << texte.toStdString();
}

namespace {

constexpr double Cm = 567.0;

QString executer(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.start(programme, arguments);
    EXPECT_TRUE(processus.waitForFinished(30000)) << programme.toStdString();
    EXPECT_EQ(processus.exitCode(), 0) << programme.toStdString();
    return QString::fromUtf8(processus.readAllStandardOutput());
}

// The non-empty lines of the file's text, laid out as on the page.
QStringList lignesDuPdf(const QString& chemin) {
    const auto texte = executer("pdftotext", {"-layout", chemin, "-"});
    QStringList lignes;
    for (const auto& ligne : texte.split('\n')) {
        if (!ligne.trimmed().isEmpty()) {
            lignes << ligne.trimmed();
        }
    }
    return lignes;
}

// The same with runs of spaces made single: where one text follows another on the same line,
// the text extraction may widen the gap by a space.
QStringList motsDuPdf(const QString& chemin) {
    auto lignes = lignesDuPdf(chemin);
    for (auto& ligne : lignes) {
        ligne = ligne.simplified();
    }
    return lignes;
}

QString infoDuPdf(const QString& chemin, const QString& champ) {
    for (const auto& ligne : executer("pdfinfo", {chemin}).split('\n')) {
        if (ligne.startsWith(champ + ":")) {
            return ligne.mid(champ.size() + 1).trimmed();
        }
    }
    return {};
}

int pagesDuPdf(const QString& chemin) {
    return infoDuPdf(chemin, "Pages").toInt();
}

class ImprimanteQtPdf : public testing::Test {
  protected:
    std::shared_ptr<Imprimante> ouvrirPdf() {
        Reglages reglages;
        reglages.fichierPdf = chemin.toStdString();
        return systeme.Ouvrir(0, reglages);
    }

    QTemporaryDir dossier;
    QString chemin = dossier.filePath("liste.pdf");
    ImprimantesSysteme systeme;
};

TEST_F(ImprimanteQtPdf, TheSentDocumentHoldsItsLinesOnItsPages) {
    auto imprimante = ouvrirPdf();
    imprimante->Print("");
    imprimante->PrintSansFin("Date : 01/12/2026");
    imprimante->Print("  Page : 1");
    imprimante->FontSize(14);
    imprimante->FontBold(true);
    imprimante->Print("LISTE DES ACCORDS NON RENOUVELES");
    imprimante->NewPage();
    imprimante->FontSize(10);
    imprimante->FontBold(false);
    imprimante->Print("Seconde page");
    EXPECT_FALSE(QFile::exists(chemin));

    imprimante->EndDoc();

    EXPECT_EQ(pagesDuPdf(chemin), 2);
    EXPECT_TRUE(infoDuPdf(chemin, "Page size").contains("A4"));
    EXPECT_EQ(motsDuPdf(chemin), (QStringList{"Date : 01/12/2026 Page : 1",
                                              "LISTE DES ACCORDS NON RENOUVELES", "Seconde page"}));
    const auto polices = executer("pdffonts", {chemin});
    EXPECT_TRUE(polices.contains("LiberationMono ")) << polices.toStdString();
    EXPECT_TRUE(polices.contains("LiberationMono-Bold")) << polices.toStdString();
}

TEST_F(ImprimanteQtPdf, TextsPrintedAtColumnPositionsLineUpInTheFile) {
    auto imprimante = ouvrirPdf();
    for (const auto& [code, nom] : {std::pair{"00012", "DUPONT JEAN"}, {"00345", "MARTIN ANNE"}}) {
        imprimante->CurrentX(0.1 * Cm);
        imprimante->PrintSansFin(code);
        imprimante->CurrentX(0.1 * Cm + 6 * 120);
        imprimante->Print(nom);
    }
    imprimante->EndDoc();
    EXPECT_EQ(lignesDuPdf(chemin), (QStringList{"00012 DUPONT JEAN", "00345 MARTIN ANNE"}));
}

TEST_F(ImprimanteQtPdf, AnAbandonedDocumentLeavesNoFileAndTheNextOneStartsClean) {
    auto imprimante = ouvrirPdf();
    imprimante->Print("abandonné");
    imprimante->NewPage();
    imprimante->Print("abandonné aussi");
    imprimante->KillDoc();
    EXPECT_FALSE(QFile::exists(chemin));

    imprimante->Print("gardé");
    imprimante->EndDoc();
    EXPECT_EQ(pagesDuPdf(chemin), 1);
    EXPECT_EQ(lignesDuPdf(chemin), QStringList{"gardé"});
}

TEST_F(ImprimanteQtPdf, SendingADocumentWithNothingDrawnMakesNoFile) {
    auto imprimante = ouvrirPdf();
    imprimante->Print("abandonné");
    imprimante->KillDoc();
    imprimante->EndDoc();
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST_F(ImprimanteQtPdf, APdfFileGetsThePagesOnceForEveryCopyAsked) {
    Document document;
    document.pages = 2;
    Operation premiere;
    premiere.texte = "premiere";
    Operation seconde;
    seconde.page = 2;
    seconde.texte = "seconde";
    document.operations = {premiere, seconde};
    Reglages reglages;
    reglages.fichierPdf = chemin.toStdString();
    auto printer = preparerQPrinter({"Fichier PDF", Destination::Genre::FichierPdf}, reglages);
    printer->setCopyCount(3);

    imprimerDocument(document, *printer);

    EXPECT_EQ(pagesDuPdf(chemin), 6);
    EXPECT_EQ(lignesDuPdf(chemin).count("premiere"), 3);
    EXPECT_EQ(lignesDuPdf(chemin).count("seconde"), 3);
}

TEST_F(ImprimanteQtPdf, ADeviceThatCannotBeOpenedIsAPrinterError) {
    Reglages reglages;
    reglages.fichierPdf = dossier.filePath("absent/liste.pdf").toStdString();
    auto imprimante = systeme.Ouvrir(0, reglages);
    imprimante->Print("texte");
    try {
        imprimante->EndDoc();
        FAIL();
    } catch (const dba::Erreur& erreur) {
        EXPECT_EQ(erreur.numero(), dba::ErrImprimante);
    }
}

TEST(ImprimantesSysteme, OffersThePdfFileFirstAndRefusesWhatCannotBeOpened) {
    ImprimantesSysteme systeme;
    const auto liste = systeme.Liste();
    ASSERT_FALSE(liste.empty());
    EXPECT_EQ(liste[0], (Destination{"Fichier PDF", Destination::Genre::FichierPdf}));
    EXPECT_GE(systeme.IndexParDefaut(), 0);
    EXPECT_LT(systeme.IndexParDefaut(), static_cast<std::int32_t>(liste.size()));

    Reglages sansFichier;
    EXPECT_THROW(systeme.Ouvrir(0, sansFichier), dba::Erreur);
    Reglages formatInconnu;
    formatInconnu.fichierPdf = "/tmp/x.pdf";
    formatInconnu.format = "B99";
    EXPECT_THROW(systeme.Ouvrir(0, formatInconnu), dba::Erreur);
    EXPECT_THROW(systeme.Ouvrir(static_cast<std::int32_t>(liste.size()), formatInconnu),
                 dba::Erreur);
    EXPECT_THROW(systeme.Ouvrir(-1, formatInconnu), dba::Erreur);
}

TEST(PreparationQPrinter, AnA4PageHasRoomForTheWholeTable) {
    Reglages reglages;
    reglages.fichierPdf = "/tmp/inutilise.pdf";
    const auto printer =
        preparerQPrinter({"Fichier PDF", Destination::Genre::FichierPdf}, reglages);
    const auto zone = printer->pageRect(QPrinter::Millimeter);
    EXPECT_GE(zone.width(), 196.0);
    EXPECT_GE(zone.height(), 271.7);
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_FALSE(printer->fullPage());
}

TEST(FormatPapier, KnowsTheUsualNamesWhateverTheirCase) {
    EXPECT_EQ(formatPapier("A4").id(), QPageSize::A4);
    EXPECT_EQ(formatPapier("a3").id(), QPageSize::A3);
    EXPECT_EQ(formatPapier("Letter").id(), QPageSize::Letter);
}

// Drawing on an image of a known resolution shows where twips and dots really land.
class DessinSurImage : public testing::Test {
  protected:
    QImage dessiner(const Document& document, int dpi, double largeurCm, double hauteurCm) {
        QImage image(qRound(largeurCm * dpi / 2.54), qRound(hauteurCm * dpi / 2.54),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        const int pointsParMetre = qRound(dpi / 0.0254);
        image.setDotsPerMeterX(pointsParMetre);
        image.setDotsPerMeterY(pointsParMetre);
        QPainter peintre(&image);
        dessinerPage(peintre, document, 1);
        return image;
    }

    static bool noir(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

    static int epaisseurVerticale(const QImage& image, int x) {
        int noirs = 0;
        for (int y = 0; y < image.height(); ++y) {
            noirs += noir(image, x, y) ? 1 : 0;
        }
        return noirs;
    }

    static Document trait(int largeur, double x1, double y1, double x2, double y2) {
        Operation operation;
        operation.genre = Genre::Trait;
        operation.largeur = largeur;
        operation.x = x1;
        operation.y = y1;
        operation.x2 = x2;
        operation.y2 = y2;
        Document document;
        document.operations = {operation};
        return document;
    }
};

TEST_F(DessinSurImage, ALineWidthIsCountedInDotsOfA600DpiDevice) {
    const auto horizontal = trait(3, 0, 1440, 4 * Cm, 1440);
    EXPECT_EQ(epaisseurVerticale(dessiner(horizontal, 600, 5, 4), 300), 3);
    EXPECT_EQ(epaisseurVerticale(dessiner(horizontal, 1200, 5, 4), 600), 6);
    EXPECT_EQ(epaisseurVerticale(dessiner(trait(1, 0, 1440, 4 * Cm, 1440), 1200, 5, 4), 600), 2);
}

TEST_F(DessinSurImage, TwipsAreScaledToTheDeviceResolution) {
    const auto image = dessiner(trait(2, 17 * Cm, 0, 17 * Cm, 1440), 600, 18, 3);
    const int colonne = qRound(17 * Cm * 600 / 1440.0);  // 4016.25
    EXPECT_TRUE(noir(image, colonne, 300));
    EXPECT_FALSE(noir(image, colonne - 3, 300));
    EXPECT_FALSE(noir(image, colonne + 3, 300));
    EXPECT_FALSE(noir(image, colonne, 610));
}

TEST_F(DessinSurImage, TextHangsBelowThePrintPosition) {
    Operation texte;
    texte.x = 1440;
    texte.y = 1440;
    texte.texte = "MMMMMMMMMM";
    Document document;
    document.operations = {texte};
    const auto image = dessiner(document, 600, 5, 4);
    int haut = image.height();
    int gauche = image.width();
    int droite = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (noir(image, x, y)) {
                haut = std::min(haut, y);
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
        }
    }
    EXPECT_GE(haut, 600);
    EXPECT_LT(haut, 600 + 50);  // 10 points are 83 dots at 600 dpi
    EXPECT_GE(gauche, 600);
    // Ten characters of 120 twips: 500 dots.
    EXPECT_LE(droite, 600 + 500);
    EXPECT_GT(droite, 600 + 450);
}

TEST(ApercuImpression, ShowsEveryPageOfTheDocumentWithoutPrinting) {
    QTemporaryDir dossier;
    ImprimanteEnregistree enregistree;
    enregistree.Print("un");
    enregistree.NewPage();
    enregistree.Print("deux");
    enregistree.NewPage();
    enregistree.Print("trois");
    Reglages reglages;
    reglages.fichierPdf = dossier.filePath("apercu.pdf").toStdString();
    auto printer = preparerQPrinter({"Fichier PDF", Destination::Genre::FichierPdf}, reglages);

    ApercuImpression apercu(enregistree.DocumentEnCours(), *printer);
    auto* vue = apercu.dialogue().findChild<QPrintPreviewWidget*>();
    ASSERT_NE(vue, nullptr);
    vue->updatePreview();

    EXPECT_EQ(vue->pageCount(), 3);
    EXPECT_EQ(apercu.dialogue().windowTitle(), QString("Aperçu avant impression"));
    EXPECT_FALSE(QFile::exists(dossier.filePath("apercu.pdf")));
}

}  // namespace
