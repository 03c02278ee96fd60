#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "printer/DialogueChoixImprimante.h"
#include "printer/DossierPdf.h"
#include "printer/ImprimantesEnregistrees.h"

using namespace imprimante;

namespace {

// The dialog is driven without being shown: clicking its buttons ends it as the user would,
// and no modal loop ever runs.
class DialogueChoixImprimanteTest : public testing::Test {
  protected:
    template <typename T>
    T* element(const char* nom) {
        auto* trouve = dialogue.findChild<T*>(nom);
        EXPECT_NE(trouve, nullptr) << nom;
        return trouve;
    }

    ImprimantesEnregistrees imprimantes{{{"Fichier PDF", Destination::Genre::FichierPdf},
                                         {"Bureau", Destination::Genre::Systeme},
                                         {"Accueil", Destination::Genre::Systeme}},
                                        1};
    DialogueChoixImprimante dialogue{imprimantes, "A4", ""};
};

TEST_F(DialogueChoixImprimanteTest, ListsTheCollectionWithTheDefaultPrinterSelectedAndCancels) {
    auto* liste = element<QListWidget>("imprimantes");
    ASSERT_EQ(liste->count(), 3);
    EXPECT_EQ(liste->item(0)->text(), QString("Fichier PDF"));
    EXPECT_EQ(liste->item(2)->text(), QString("Accueil"));
    EXPECT_EQ(liste->currentRow(), 1);
    EXPECT_FALSE(element<QLineEdit>("fichier")->isEnabled());
    EXPECT_EQ(dialogue.windowTitle(), QString("Choix de l'imprimante"));
    EXPECT_EQ(element<QPushButton>("apercu")->text(), QString("Aperçu"));
    EXPECT_FALSE(dialogue.choix().has_value());

    // Cancel chooses nothing, whatever was set.
    element<QSpinBox>("copies")->setValue(2);
    element<QPushButton>("annuler")->click();
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    EXPECT_FALSE(dialogue.choix().has_value());
}

// Printing gives the printer selected and the copies; preview is a choice with its setting.
TEST_F(DialogueChoixImprimanteTest, PrintAndPreviewGiveTheSelectedPrinterAndCopies) {
    const std::vector<std::tuple<const char*, int, int, Choix>> cas{
        {"imprimer", 2, 3, Choix{.index = 2, .copies = 3, .reglages = Reglages{}}},
        {"apercu", 1, 1, Choix{.index = 1, .copies = 1, .reglages = Reglages{"A4", true, ""}}},
    };
    for (const auto& [bouton, ligne, copies, attendu] : cas) {
        SCOPED_TRACE(bouton);
        DialogueChoixImprimante seul{imprimantes, "A4", ""};
        seul.findChild<QListWidget*>("imprimantes")->setCurrentRow(ligne);
        seul.findChild<QSpinBox*>("copies")->setValue(copies);
        seul.findChild<QPushButton*>(bouton)->click();
        EXPECT_EQ(seul.result(), QDialog::Accepted);
        EXPECT_EQ(seul.choix(), attendu);
    }
}

TEST_F(DialogueChoixImprimanteTest, ThePdfFileNeedsAFileName) {
    element<QListWidget>("imprimantes")->setCurrentRow(0);
    auto* fichier = element<QLineEdit>("fichier");
    EXPECT_TRUE(fichier->isEnabled());
    EXPECT_FALSE(element<QPushButton>("imprimer")->isEnabled());
    EXPECT_FALSE(element<QPushButton>("apercu")->isEnabled());

    fichier->setText(" /tmp/liste.pdf ");
    ASSERT_TRUE(element<QPushButton>("imprimer")->isEnabled());
    element<QPushButton>("imprimer")->click();
    const auto choix = dialogue.choix();
    ASSERT_TRUE(choix.has_value());
    EXPECT_EQ(choix->index, 0);
    EXPECT_EQ(choix->reglages.fichierSortie, "/tmp/liste.pdf");
}

// A file that could not be written is refused while the user can still change it, not at the
// end of the run.
TEST_F(DialogueChoixImprimanteTest, AFileInAFolderThatIsMissingOrReadOnlyIsRefused) {
    QTemporaryDir dossier;
    element<QListWidget>("imprimantes")->setCurrentRow(0);
    auto* fichier = element<QLineEdit>("fichier");
    auto* probleme = element<QLabel>("probleme");
    const auto refuse = [&](const QString& chemin, const QString& texte) {
        SCOPED_TRACE(chemin.toStdString());
        fichier->setText(chemin);
        EXPECT_FALSE(element<QPushButton>("imprimer")->isEnabled());
        EXPECT_FALSE(element<QPushButton>("apercu")->isEnabled());
        EXPECT_TRUE(probleme->isVisibleTo(&dialogue));
        EXPECT_EQ(probleme->text(), texte);
    };
    refuse(dossier.filePath("absent/liste.pdf"),
           QString("Le dossier « %1 » n'existe pas.").arg(dossier.filePath("absent")));
    refuse(dossier.path(), QString("« %1 » est un dossier, pas un fichier.").arg(dossier.path()));

    fichier->setText(dossier.filePath("liste.pdf"));
    EXPECT_TRUE(element<QPushButton>("imprimer")->isEnabled());
    EXPECT_FALSE(probleme->isVisibleTo(&dialogue));

    QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::ExeOwner);
    // The superuser writes anywhere: for it the folder stays writable.
    if (!QFileInfo(dossier.path()).isWritable()) {
        refuse(dossier.filePath("liste.pdf"),
               QString("Impossible d'écrire dans le dossier « %1 ».").arg(dossier.path()));
    }
    QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A fresh account has no documents folder yet: the file is suggested in the home folder.
TEST(DossierPdf, TheDocumentsFolderWhenItExistsTheHomeFolderOtherwise) {
    QTemporaryDir maison;
    const QByteArray ancienneMaison = qgetenv("HOME");
    const QByteArray ancienneConfiguration = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(maison.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(maison.filePath(".config")));

    EXPECT_EQ(Dossier_Pdf_Par_Defaut(), maison.path().toStdString());
    ASSERT_TRUE(QDir(maison.path()).mkdir("Documents"));
    EXPECT_EQ(Dossier_Pdf_Par_Defaut(), maison.filePath("Documents").toStdString());

    qputenv("HOME", ancienneMaison);
    qputenv("XDG_CONFIG_HOME", ancienneConfiguration);
}

}  // namespace

namespace {

// The table files are offered beside the printers: the file suggested takes their extension,
// there is nothing to preview, and the choice carries the file.
TEST(DialogueChoixImprimanteTableaux, LeFichierSuggerePrendLExtensionDuGenreChoisi) {
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath("liste.pdf");
    ImprimantesEnregistrees imprimantes{{{"Fichier PDF", Destination::Genre::FichierPdf},
                                         {"Classeur XLSX", Destination::Genre::FichierXlsx},
                                         {"Fichier CSV", Destination::Genre::FichierCsv},
                                         {"Bureau", Destination::Genre::Systeme}},
                                        0};
    DialogueChoixImprimante dialogue{imprimantes, "A4", pdf.toStdString()};
    auto* liste = dialogue.findChild<QListWidget*>("imprimantes");
    auto* fichier = dialogue.findChild<QLineEdit*>("fichier");
    auto* apercu = dialogue.findChild<QPushButton*>("apercu");
    EXPECT_TRUE(apercu->isEnabled());
    for (const auto& [ligne, extension] :
         std::vector<std::pair<int, QString>>{{1, "xlsx"}, {2, "csv"}, {0, "pdf"}, {1, "xlsx"}}) {
        liste->setCurrentRow(ligne);
        EXPECT_EQ(fichier->text(), dossier.filePath("liste." + extension));
        EXPECT_TRUE(fichier->isEnabled());
        EXPECT_EQ(apercu->isEnabled(), ligne == 0) << ligne;
    }
    dialogue.findChild<QPushButton*>("imprimer")->click();
    const auto choix = dialogue.choix();
    ASSERT_TRUE(choix.has_value());
    EXPECT_EQ(choix->index, 1);
    EXPECT_EQ(choix->reglages.fichierSortie, dossier.filePath("liste.xlsx").toStdString());
}

}  // namespace
