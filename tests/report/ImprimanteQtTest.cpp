#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "PdfRelu.h"
#include "dba/Erreur.h"
#include "printer/ApercuImpression.h"
#include "printer/DessinDocument.h"
#include "printer/ImprimanteEnregistree.h"
#include "printer/ImprimantesSysteme.h"
#include "printer/PreparationQPrinter.h"

using namespace imprimante;
using essai::LignesDuPdf;
using essai::PagesDuPdf;

void PrintTo(const QString& texte, std::ostream* sortie) {
    *sortie << texte.toStdString();
}

namespace {

constexpr double Cm = 567.0;
const Destination FichierPdf{"Fichier PDF", Destination::Genre::FichierPdf};

Reglages versLeFichier(const QString& chemin) {
    Reglages reglages;
    reglages.fichierSortie = chemin.toStdString();
    return reglages;
}

class ImprimanteQtPdf : public testing::Test {
  protected:
    std::shared_ptr<Imprimante> ouvrirPdf() { return systeme.Ouvrir(0, versLeFichier(chemin)); }

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
    // Texts printed at column positions line up in the file.
    for (const auto& [code, nom] : {std::pair{"00012", "DUPONT JEAN"}, {"00345", "MARTIN ANNE"}}) {
        imprimante->CurrentX(0.1 * Cm);
        imprimante->PrintSansFin(code);
        imprimante->CurrentX(0.1 * Cm + 6 * 120);
        imprimante->Print(nom);
    }
    EXPECT_FALSE(QFile::exists(chemin));

    imprimante->EndDoc();

    EXPECT_EQ(PagesDuPdf(chemin), 2);
    EXPECT_TRUE(essai::Sortie("pdfinfo", {chemin}).contains("(A4)"));
    EXPECT_EQ(LignesDuPdf(chemin, true, 1, 1),
              (QStringList{"Date : 01/12/2026 Page : 1", "LISTE DES ACCORDS NON RENOUVELES"}));
    EXPECT_EQ(LignesDuPdf(chemin, false, 2),
              (QStringList{"Seconde page", "00012 DUPONT JEAN", "00345 MARTIN ANNE"}));
    const auto polices = essai::Sortie("pdffonts", {chemin});
    EXPECT_TRUE(polices.contains("LiberationMono ")) << polices.toStdString();
    EXPECT_TRUE(polices.contains("LiberationMono-Bold")) << polices.toStdString();
}

// While alive, files of this process cannot grow past a size, as on a full disk: a write past it
// fails instead of ending the process.
class LimiteDeTaille {
  public:
    explicit LimiteDeTaille(rlim_t octets) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        rlimit limite = avant_;
        limite.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~LimiteDeTaille() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteDeTaille(const LimiteDeTaille&) = delete;
    LimiteDeTaille& operator=(const LimiteDeTaille&) = delete;

  private:
    rlimit avant_{};
    void (*signal_)(int);
};

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

TEST_F(ImprimanteQtPdf, AFileLeftHalfWrittenNeverReplacesThePreviousOne) {
    auto ancienne = ouvrirPdf();
    ancienne->Print("Liste de novembre");
    ancienne->EndDoc();
    const QByteArray precedent = Contenu(chemin);
    ASSERT_FALSE(precedent.isEmpty());

    auto nouvelle = ouvrirPdf();
    for (int page = 1; page <= 300; ++page) {
        nouvelle->Print("Liste de décembre, page " + std::to_string(page));
        nouvelle->NewPage();
    }
    {
        const LimiteDeTaille limite(static_cast<rlim_t>(precedent.size()));
        EXPECT_THROW(nouvelle->EndDoc(), dba::Erreur);
    }
    EXPECT_EQ(Contenu(chemin), precedent);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"liste.pdf"});
}

TEST_F(ImprimanteQtPdf, AnAbandonedDocumentLeavesNoFileAndTheNextOneStartsClean) {
    auto imprimante = ouvrirPdf();
    imprimante->Print("abandonné");
    imprimante->NewPage();
    imprimante->Print("abandonné aussi");
    imprimante->KillDoc();
    // Sending a document with nothing drawn makes no file either.
    imprimante->EndDoc();
    EXPECT_FALSE(QFile::exists(chemin));

    imprimante->Print("gardé");
    imprimante->EndDoc();
    EXPECT_EQ(PagesDuPdf(chemin), 1);
    EXPECT_EQ(LignesDuPdf(chemin), QStringList{"gardé"});
}

TEST_F(ImprimanteQtPdf, ADeviceThatCannotBeOpenedIsAPrinterError) {
    auto imprimante = systeme.Ouvrir(0, versLeFichier(dossier.filePath("absent/liste.pdf")));
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
    EXPECT_EQ(liste[0], FichierPdf);
    // The table files follow; they hold lines, not pages, and open no printer.
    ASSERT_GE(liste.size(), 3U);
    EXPECT_EQ(liste[1].genre, Destination::Genre::FichierXlsx);
    EXPECT_EQ(liste[2].genre, Destination::Genre::FichierCsv);
    EXPECT_THROW(systeme.Ouvrir(1, versLeFichier("/tmp/x.xlsx")), dba::Erreur);
    EXPECT_THROW(systeme.Ouvrir(2, versLeFichier("/tmp/x.csv")), dba::Erreur);
    EXPECT_GE(systeme.IndexParDefaut(), 0);
    EXPECT_LT(systeme.IndexParDefaut(), static_cast<std::int32_t>(liste.size()));

    EXPECT_THROW(systeme.Ouvrir(0, Reglages{}), dba::Erreur);
    Reglages formatInconnu = versLeFichier("/tmp/x.pdf");
    formatInconnu.format = "B99";
    for (const std::int32_t index : {0, static_cast<std::int32_t>(liste.size()), -1}) {
        EXPECT_THROW(systeme.Ouvrir(index, formatInconnu), dba::Erreur) << index;
    }
}

TEST(PreparationQPrinter, AnA4PageHasRoomForTheWholeTable) {
    const auto printer = preparerQPrinter(FichierPdf, versLeFichier("/tmp/inutilise.pdf"));
    const auto zone = printer->pageRect(QPrinter::Millimeter);
    EXPECT_GE(zone.width(), 196.0);
    EXPECT_GE(zone.height(), 271.7);
    EXPECT_EQ(printer->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_FALSE(printer->fullPage());
    // The usual paper names, whatever their case.
    EXPECT_EQ(formatPapier("a3").id(), QPageSize::A3);
    EXPECT_EQ(formatPapier("Letter").id(), QPageSize::Letter);
}

// Drawing on an image of a known resolution shows where twips and dots really land.
class DessinSurImage : public testing::Test {
  protected:
    static QImage dessiner(const Operation& operation, int dpi, double largeurCm,
                           double hauteurCm) {
        QImage image(qRound(largeurCm * dpi / 2.54), qRound(hauteurCm * dpi / 2.54),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        Document document;
        document.operations = {operation};
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

    static Operation trait(int largeur, double x1, double y1, double x2, double y2) {
        return {.genre = Genre::Trait, .x = x1, .y = y1, .largeur = largeur, .x2 = x2, .y2 = y2};
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
    const auto image = dessiner({.x = 1440, .y = 1440, .texte = "MMMMMMMMMM"}, 600, 5, 4);
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

// The spaces of an underlined text show: its underline runs under them as under the letters.
// Without it, the spaces draw nothing at all.
TEST_F(DessinSurImage, TheSpacesOfAnUnderlinedTextShowTheirUnderline) {
    const auto noirsEntreLesMots = [](const QImage& image) {
        int noirs = 0;
        // The six spaces stand between 600 + 50 and 600 + 350 dots (120 twips a character).
        for (int x = 600 + 100; x < 600 + 300; ++x) {
            noirs += epaisseurVerticale(image, x);
        }
        return noirs;
    };
    Operation texte{.x = 1440, .y = 1440, .texte = "A      B"};
    EXPECT_EQ(noirsEntreLesMots(dessiner(texte, 600, 5, 4)), 0);
    texte.police.souligne = true;
    EXPECT_GT(noirsEntreLesMots(dessiner(texte, 600, 5, 4)), 200);
}

TEST(ApercuImpression, ShowsEveryPageOfTheDocumentAndClosingPrintsNothing) {
    QTemporaryDir dossier;
    ImprimanteEnregistree enregistree;
    enregistree.Print("un");
    enregistree.NewPage();
    enregistree.Print("deux");
    enregistree.NewPage();
    enregistree.Print("trois");
    auto printer = preparerQPrinter(FichierPdf, versLeFichier(dossier.filePath("apercu.pdf")));

    ApercuImpression apercu(enregistree.DocumentEnCours(), *printer);
    auto* vue = apercu.dialogue().findChild<QPrintPreviewWidget*>();
    ASSERT_NE(vue, nullptr);
    vue->updatePreview();

    EXPECT_EQ(vue->pageCount(), 3);
    EXPECT_EQ(apercu.dialogue().windowTitle(), QString("Aperçu avant impression"));

    // Closing prints nothing.
    QTimer::singleShot(0, &apercu.dialogue(),
                       [&apercu] { apercu.dialogue().findChild<QPushButton*>("fermer")->click(); });
    apercu.executer();
    EXPECT_EQ(apercu.dialogue().result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(dossier.filePath("apercu.pdf")));
}

// The printer, the file and the copies were chosen before the preview: printing from it asks
// nothing more. Any other dialog that opens meanwhile is noted and closed, so that the test
// cannot wait for ever on it.
TEST(ApercuImpression, ImprimerDepuisLApercuEnvoieLesPagesSansAutreDialogue) {
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("apercu.pdf");
    ImprimanteEnregistree enregistree;
    enregistree.Print("un");
    enregistree.NewPage();
    enregistree.Print("deux");
    auto printer = preparerQPrinter(FichierPdf, versLeFichier(chemin));
    ApercuImpression apercu(enregistree.DocumentEnCours(), *printer);
    QStringList autresDialogues;
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        for (QWidget* fenetre : QApplication::topLevelWidgets()) {
            auto* dialogue = qobject_cast<QDialog*>(fenetre);
            if (dialogue != nullptr && dialogue != &apercu.dialogue() && dialogue->isVisible()) {
                autresDialogues << QString::fromLatin1(dialogue->metaObject()->className());
                dialogue->reject();
            }
        }
    });
    guet.start(20);
    QTimer::singleShot(0, &apercu.dialogue(), [&apercu] {
        apercu.dialogue().findChild<QPushButton*>("imprimer")->click();
    });

    apercu.executer();

    EXPECT_EQ(autresDialogues, QStringList{});
    EXPECT_EQ(apercu.dialogue().result(), QDialog::Accepted);
    EXPECT_EQ(LignesDuPdf(chemin), (QStringList{"un", "deux"}));
}

}  // namespace
