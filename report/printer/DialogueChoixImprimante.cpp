#include "DialogueChoixImprimante.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "DossierPdf.h"
#include "Tabulation.h"

namespace imprimante {

namespace {
constexpr int CopiesMaximum = 99;
}

DialogueChoixImprimante::DialogueChoixImprimante(const Imprimantes& imprimantes,
                                                 const std::string& format,
                                                 const std::string& fichierSortie, QWidget* parent)
    : QDialog(parent), destinations_(imprimantes.Liste()), format_(format) {
    construire(format);
    fichier_->setText(QString::fromStdString(fichierSortie));
    remplir(imprimantes.IndexParDefaut());
    actualiser();
}

void DialogueChoixImprimante::construire(const std::string& format) {
    setWindowTitle(QStringLiteral("Choix de l'imprimante"));
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("imprimantes"));
    fichier_ = new QLineEdit(this);
    fichier_->setObjectName(QStringLiteral("fichier"));
    parcourir_ = new QPushButton(QStringLiteral("Parcourir…"), this);
    parcourir_->setObjectName(QStringLiteral("parcourir"));
    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("copies"));
    copies_->setRange(1, CopiesMaximum);
    probleme_ = new QLabel(this);
    probleme_->setObjectName(QStringLiteral("probleme"));
    probleme_->setWordWrap(true);

    auto* ligneFichier = new QHBoxLayout;
    ligneFichier->addWidget(fichier_);
    ligneFichier->addWidget(parcourir_);
    // A row of two fields gets no label of its own from the form: the caption names the file.
    auto* legendeFichier = new QLabel(QStringLiteral("Fichier PDF :"), this);
    legendeFichier->setBuddy(fichier_);
    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Imprimante :"), liste_);
    formulaire->addRow(legendeFichier, ligneFichier);
    formulaire->addRow(probleme_);
    formulaire->addRow(QStringLiteral("Format du papier :"),
                       new QLabel(QString::fromStdString(format), this));
    formulaire->addRow(QStringLiteral("Nombre de copies :"), copies_);

    auto* boutons = new QDialogButtonBox(this);
    imprimer_ = boutons->addButton(QStringLiteral("Imprimer"), QDialogButtonBox::AcceptRole);
    imprimer_->setObjectName(QStringLiteral("imprimer"));
    apercu_ = boutons->addButton(QStringLiteral("Aperçu"), QDialogButtonBox::ActionRole);
    apercu_->setObjectName(QStringLiteral("apercu"));
    auto* annuler = boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    annuler->setObjectName(QStringLiteral("annuler"));
    imprimer_->setDefault(true);

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(formulaire);
    colonne->addWidget(boutons);

    rendreAccessible(*annuler);

    connect(imprimer_, &QPushButton::clicked, this, [this] { accepterAvecApercu(false); });
    connect(apercu_, &QPushButton::clicked, this, [this] { accepterAvecApercu(true); });
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(parcourir_, &QPushButton::clicked, this, [this] { parcourir(); });
    connect(liste_, &QListWidget::currentRowChanged, this, [this] { actualiser(); });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { imprimer_->click(); });
    connect(fichier_, &QLineEdit::textChanged, this, [this] { actualiser(); });
}

// Names that say what each field is, whatever its caption (the buttons read theirs), and the order
// in which the keyboard meets them: the choice, then its file, the copies and the three ways out.
// Enter prints (the default button), Escape cancels.
void DialogueChoixImprimante::rendreAccessible(QPushButton& annuler) {
    liste_->setAccessibleName(QStringLiteral("Imprimante"));
    fichier_->setAccessibleName(QStringLiteral("Fichier à créer"));
    parcourir_->setAccessibleName(QStringLiteral("Parcourir pour choisir le fichier"));
    copies_->setAccessibleName(QStringLiteral("Nombre de copies"));
    probleme_->setAccessibleName(QStringLiteral("Problème du fichier"));
    Enchainer_Tabulation({liste_, fichier_, parcourir_, copies_, imprimer_, apercu_, &annuler});
}

void DialogueChoixImprimante::remplir(std::int32_t indexParDefaut) {
    for (const auto& destination : destinations_) {
        liste_->addItem(QString::fromStdString(destination.nom));
    }
    liste_->setCurrentRow(indexParDefaut);
}

std::optional<Destination> DialogueChoixImprimante::destinationChoisie() const {
    const int ligne = liste_->currentRow();
    if (ligne < 0) {
        return std::nullopt;
    }
    return destinations_[static_cast<std::size_t>(ligne)];
}

bool DialogueChoixImprimante::fichierChoisi() const {
    const auto destination = destinationChoisie();
    return destination && destination->genre != Destination::Genre::Systeme;
}

namespace {

QString Extension(Destination::Genre genre) {
    switch (genre) {
        case Destination::Genre::FichierXlsx:
            return QStringLiteral("xlsx");
        case Destination::Genre::FichierCsv:
            return QStringLiteral("csv");
        default:
            return QStringLiteral("pdf");
    }
}

}  // namespace

// The file suggested keeps its name and takes the extension of the kind of file chosen.
void DialogueChoixImprimante::ajusterExtension() {
    const auto destination = destinationChoisie();
    const QString fichier = fichier_->text().trimmed();
    const QFileInfo info(fichier);
    static const QStringList connues{QStringLiteral("pdf"), QStringLiteral("xlsx"),
                                     QStringLiteral("csv")};
    if (!destination || fichier.isEmpty() || !connues.contains(info.suffix().toLower())) {
        return;
    }
    const QString attendue = Extension(destination->genre);
    if (info.suffix().toLower() != attendue) {
        fichier_->setText(fichier.left(fichier.size() - info.suffix().size()) + attendue);
    }
}

// Printing needs a chosen entry and, for a file, a file name in a folder where it can be
// written: a file that cannot be written is refused here, before anything is printed. A table
// file has no pages to preview.
void DialogueChoixImprimante::actualiser() {
    const bool pdf = fichierChoisi();
    if (pdf) {
        ajusterExtension();
    }
    fichier_->setEnabled(pdf);
    parcourir_->setEnabled(pdf);
    const QString fichier = fichier_->text().trimmed();
    std::optional<std::string> probleme;
    if (pdf && !fichier.isEmpty()) {
        probleme = Probleme_Fichier_Pdf(fichier.toStdString());
    }
    probleme_->setText(probleme ? QString::fromStdString(*probleme) : QString());
    probleme_->setVisible(probleme.has_value());
    // Read with the field, where a screen reader is when the problem appears.
    fichier_->setAccessibleDescription(probleme_->text());
    const bool possible = liste_->currentRow() >= 0 && (!pdf || (!fichier.isEmpty() && !probleme));
    imprimer_->setEnabled(possible);
    apercu_->setEnabled(possible && !destinationChoisie()->Tableau());
}

void DialogueChoixImprimante::parcourir() {
    const QString extension = Extension(destinationChoisie()->genre);
    const auto chemin = QFileDialog::getSaveFileName(
        this, QStringLiteral("Enregistrer le fichier sous"), fichier_->text(),
        QStringLiteral("Fichiers %1 (*.%2)").arg(extension.toUpper(), extension));
    if (!chemin.isEmpty()) {
        fichier_->setText(chemin);
    }
}

void DialogueChoixImprimante::accepterAvecApercu(bool apercu) {
    apercuDemande_ = apercu;
    accept();
}

std::optional<Choix> DialogueChoixImprimante::choix() const {
    if (result() != QDialog::Accepted) {
        return std::nullopt;
    }
    Reglages reglages;
    reglages.format = format_;
    reglages.apercu = apercuDemande_;
    if (fichierChoisi()) {
        reglages.fichierSortie = fichier_->text().trimmed().toStdString();
    }
    return Choix{.index = liste_->currentRow(),
                 .copies = static_cast<std::int16_t>(copies_->value()),
                 .reglages = reglages};
}

}  // namespace imprimante
