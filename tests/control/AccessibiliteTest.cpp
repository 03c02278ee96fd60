#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "FenetreHote.h"
#include "Installation.h"
#include "PlateformeEnregistree.h"
#include "mvdb/TheClient.h"
#include "printer/ApercuImpression.h"
#include "printer/DialogueChoixImprimante.h"
#include "printer/ImprimanteEnregistree.h"
#include "printer/ImprimantesEnregistrees.h"
#include "printer/PreparationQPrinter.h"

// The form as a screen reader and a keyboard user meet it: every control named and described
// through the accessibility interface, each caption the label of its box, a tab chain that
// reaches every criterion before the commands, and greyed controls said to be greyed.

namespace {

using essai::Installation;

QAccessibleInterface& Interface(QObject& objet) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(&objet);
    if (interface == nullptr) {
        throw std::runtime_error("no accessible interface");
    }
    return *interface;
}

QWidget& Enfant(QWidget& formulaire, const char* nom) {
    auto* enfant = formulaire.findChild<QWidget*>(QString::fromLatin1(nom));
    if (enfant == nullptr) {
        throw std::runtime_error(std::string("no control ") + nom);
    }
    return *enfant;
}

QString Nom(QWidget& controle) {
    return Interface(controle).text(QAccessible::Name);
}

// What a list box holds, which a screen reader says after its name.
QString Valeur(QWidget& controle) {
    return Interface(controle).text(QAccessible::Value);
}

QString Description(QWidget& controle) {
    return Interface(controle).text(QAccessible::Description);
}

// Everything a user acts on or reads besides the captions, which read as they are written.
const char* const Controles[] = {
    "Txt_Association", "Cbo_Association", "Txt_Activites", "Cbo_Activites",   "Cdr_Selection",
    "Opt_Responsable", "Opt_Secteur",     "Opt_Commune",   "Txt_Responsable", "Cbo_RespSect",
    "Txt_Commune",     "Cbo_Commune",     "Txt_Periode",   "Bdh_Periode",     "Txt_CodeOrg",
    "Cbo_SigleOrg",    "Prg_Accord",      "Cmd_Imprimer",  "Cmd_Sortir",
};

TEST(Accessibilite, ChaqueControleAUnNomFrancaisQuiLuiEstPropre) {
    Installation installation;
    auto controle = installation.Initialiser();
    QSet<QString> noms;
    for (const char* objet : Controles) {
        const QString nom = Nom(Enfant(*controle, objet));
        EXPECT_FALSE(nom.isEmpty()) << objet;
        EXPECT_FALSE(noms.contains(nom)) << objet << " " << nom.toStdString();
        noms.insert(nom);
        // A list box holding a label keeps its name and reads the label as its value; its text
        // part, where the keys go, reads the list's name.
        if (auto* liste = qobject_cast<QComboBox*>(&Enfant(*controle, objet))) {
            liste->setEditText("ALPHA SERVICES");
            EXPECT_EQ(Nom(*liste), nom) << objet;
            EXPECT_EQ(Valeur(*liste), "ALPHA SERVICES") << objet;
            EXPECT_EQ(Nom(*liste->lineEdit()), nom) << objet;
        }
    }
    EXPECT_EQ(Nom(Enfant(*controle, "Cbo_Association")), "Entité juridique");
    EXPECT_EQ(Nom(Enfant(*controle, "Opt_Commune")), "Regrouper par commune");
    EXPECT_EQ(Nom(Enfant(*controle, "Prg_Accord")), "Progression de l'impression");
}

// The legal entity's code typed: its list box still says what it is, the label it now shows as
// its value; the open list and the text part are its children, and its action opens the list.
TEST(Accessibilite, LaListeDeLEntiteSeNommeParCeQuElleEstEtLitSonLibelleEnValeur) {
    Installation installation;
    auto controle = installation.Initialiser();
    controle->show();
    controle->findChild<QLineEdit*>("Txt_Association")->setText("A01");
    auto& entite = *controle->findChild<QComboBox*>("Cbo_Association");
    ASSERT_FALSE(entite.currentText().isEmpty());
    QAccessibleInterface& interface = Interface(entite);
    EXPECT_EQ(interface.role(), QAccessible::ComboBox);
    EXPECT_EQ(Nom(entite), "Entité juridique");
    EXPECT_EQ(Valeur(entite), entite.currentText());
    ASSERT_EQ(interface.childCount(), 2);
    EXPECT_EQ(interface.child(0)->object(), entite.view());
    EXPECT_EQ(interface.child(1)->object(), entite.lineEdit());
    EXPECT_EQ(interface.indexOfChild(interface.child(1)), 1);
    EXPECT_EQ(interface.focusChild(), interface.child(1));
    auto* actions = interface.actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(entite.view()->isVisible());
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_FALSE(entite.view()->isVisible());
}

// Every zone a label names reads that label as "labelled by" (what the platform's bridge reads),
// and a code zone says how many characters it takes.
TEST(Accessibilite, ChaqueZoneDeCodeEstDecriteEtEtiqueteeParSonLibelle) {
    Installation installation;
    auto controle = installation.Initialiser();
    int zones = 0;
    for (QLabel* etiquette : controle->findChildren<QLabel*>()) {
        auto* zone = qobject_cast<QLineEdit*>(etiquette->buddy());
        if (zone == nullptr) {
            continue;
        }
        ++zones;
        const std::string nom = zone->objectName().toStdString();
        EXPECT_FALSE(Nom(*zone).isEmpty()) << nom;
        const auto relations = Interface(*zone).relations(QAccessible::Label);
        ASSERT_EQ(relations.size(), 1) << nom;
        EXPECT_EQ(relations.front().first->object(), etiquette) << nom;
        if (zone->maxLength() <= 5) {
            EXPECT_TRUE(
                Description(*zone).startsWith(QString::number(zone->maxLength()) + " caractères"))
                << nom << " " << Description(*zone).toStdString();
        }
    }
    EXPECT_EQ(zones, 6);
}

TEST(Accessibilite, LaPaireResponsableSecteurPorteLeNomDuRegroupementChoisi) {
    Installation installation;
    auto controle = installation.Initialiser();
    auto& secteur = *controle->findChild<QRadioButton*>("Opt_Secteur");
    secteur.click();
    EXPECT_EQ(Nom(Enfant(*controle, "Txt_Responsable")), "Code du secteur");
    EXPECT_EQ(Nom(Enfant(*controle, "Cbo_RespSect")), "Secteur");
    controle->findChild<QRadioButton*>("Opt_Responsable")->click();
    EXPECT_EQ(Nom(Enfant(*controle, "Txt_Responsable")), "Code du responsable");
    EXPECT_EQ(Nom(Enfant(*controle, "Cbo_RespSect")), "Responsable");
}

TEST(Accessibilite, LesFlechesDeLaPeriodeLisentLeMoisQuElleChangent) {
    Installation installation;
    auto controle = installation.Initialiser();
    auto& fleches = Enfant(*controle, "Bdh_Periode");
    EXPECT_TRUE(Description(fleches).startsWith("MAI 2018 ;"))
        << Description(fleches).toStdString();
    fleches.setFocus();
    QTest::keyClick(&fleches, Qt::Key_Up);
    EXPECT_TRUE(Description(fleches).startsWith("JUIN 2018 ;"))
        << Description(fleches).toStdString();
}

// The controls that the Tab key reaches from the first field, in order, once round.
std::string Chaine_De_Tabulation(QWidget& formulaire, const char* debut = "Txt_Association") {
    formulaire.show();
    QApplication::setActiveWindow(&formulaire);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&formulaire));
    QWidget& premier = Enfant(formulaire, debut);
    premier.setFocus(Qt::TabFocusReason);
    QStringList chaine;
    for (int pas = 0; pas < 30; ++pas) {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();
        }
        const QString nom = focus != nullptr ? focus->objectName() : QString();
        if (chaine.contains(nom)) {
            break;
        }
        chaine.append(nom);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return chaine.join(' ').toStdString();
}

TEST(Accessibilite, TabParcourtLesCriteresDansLOrdreDuFormulairePuisLesCommandes) {
    auto lignes = essai::DonneesStandard();
    lignes.push_back(
        essai::Ligne("ORGPRISECHARGE", "042", {{1, "CPAM"}, {18, "P"}, {20, "1"}, {46, "A01"}}));
    Installation installation(lignes);
    auto controle = installation.Initialiser();
    EXPECT_EQ(Chaine_De_Tabulation(*controle),
              "Txt_Association Cbo_Association Txt_Responsable Cbo_RespSect Opt_Responsable "
              "Bdh_Periode Cmd_Sortir");

    auto& entite = *controle->findChild<QLineEdit*>("Txt_Association");
    entite.setText("A01");
    controle->findChild<QRadioButton*>("Opt_Commune")->click();
    EXPECT_EQ(Chaine_De_Tabulation(*controle),
              "Txt_Association Cbo_Association Txt_Activites Cbo_Activites Opt_Responsable "
              "Txt_Commune Cbo_Commune Bdh_Periode Txt_CodeOrg Cbo_SigleOrg Cmd_Imprimer "
              "Cmd_Sortir");
}

// The three options are one stop of the chain; the arrow keys choose among them.
TEST(Accessibilite, LesFlechesChoisissentLeRegroupement) {
    Installation installation;
    auto controle = installation.Initialiser();
    Chaine_De_Tabulation(*controle);
    auto& responsable = *controle->findChild<QRadioButton*>("Opt_Responsable");
    responsable.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&responsable, Qt::Key_Right);
    EXPECT_TRUE(controle->findChild<QRadioButton*>("Opt_Secteur")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_TRUE(controle->findChild<QRadioButton*>("Opt_Commune")->isChecked());
    EXPECT_TRUE(Enfant(*controle, "Txt_Commune").isVisible());
}

TEST(Accessibilite, UnControleGriseSeDitInactifEtPasSeulementParSaCouleur) {
    Installation installation;
    auto controle = installation.Initialiser();
    const char* const grises[] = {"Txt_Activites", "Cbo_Activites", "Txt_Periode",
                                  "Txt_CodeOrg",   "Cbo_SigleOrg",  "Cmd_Imprimer"};
    for (const char* objet : grises) {
        EXPECT_TRUE(Interface(Enfant(*controle, objet)).state().disabled) << objet;
    }
    EXPECT_FALSE(Interface(Enfant(*controle, "Txt_Association")).state().disabled);

    controle->findChild<QLineEdit*>("Txt_Association")->setText("A01");
    for (const char* objet : {"Txt_Activites", "Cbo_Activites", "Cmd_Imprimer"}) {
        EXPECT_FALSE(Interface(Enfant(*controle, objet)).state().disabled) << objet;
    }
    EXPECT_TRUE(Interface(Enfant(*controle, "Txt_Commune")).state().invisible);
}

TEST(Accessibilite, LaBarreDeProgressionDitSaValeur) {
    Installation installation;
    auto controle = installation.Initialiser();
    auto& barre = *controle->findChild<QProgressBar*>("Prg_Accord");
    barre.setRange(0, 40);
    barre.setValue(10);
    QAccessibleValueInterface* valeur = Interface(barre).valueInterface();
    ASSERT_NE(valeur, nullptr);
    EXPECT_EQ(valeur->currentValue().toInt(), 10);
    EXPECT_EQ(valeur->maximumValue().toInt(), 40);
}

// The control's messages are the platform's message boxes, which assistive technology is
// told of as alerts, their text readable.
TEST(Accessibilite, UneBoiteDeMessageSeDitAlerteAvecSonTexte) {
    QMessageBox boite(QMessageBox::Warning, "Message KORVANE", "Cette activité n'existe pas.",
                      QMessageBox::Ok);
    QAccessibleInterface& interface = Interface(boite);
    EXPECT_EQ(interface.role(), QAccessible::AlertMessage);
    bool texteLisible = false;
    for (int i = 0; i < interface.childCount(); ++i) {
        texteLisible = texteLisible || interface.child(i)->text(QAccessible::Name) ==
                                           "Cette activité n'existe pas.";
    }
    EXPECT_TRUE(texteLisible);
}

TEST(Accessibilite, LaLigneQuiDitPourquoiImprimerManqueSeDitAlerte) {
    const essai::BaseEssai base{essai::DonneesStandard()};
    const auto plateforme = std::make_shared<ardoine::PlateformeEnregistree>();
    demo::FenetreHote fenetre(base.Client(), base.Client()->base(), "lecteur",
                              plateforme->Services());
    fenetre.show();
    auto& ligne = *fenetre.findChild<QLabel*>("refusImpression");
    QAccessibleInterface& interface = Interface(ligne);
    EXPECT_EQ(interface.role(), QAccessible::AlertMessage);
    EXPECT_EQ(interface.text(QAccessible::Name), ligne.text());
}

// The names of the fields of a window and the controls Tab reaches from its first field.
struct Fenetre {
    QStringList noms;
    std::string chaine;
};

Fenetre Lire_Fenetre(QWidget& fenetre, const QStringList& objets) {
    Fenetre lue;
    for (const QString& objet : objets) {
        lue.noms.append(Nom(Enfant(fenetre, objet.toLatin1().constData())));
    }
    lue.chaine = Chaine_De_Tabulation(fenetre, objets.front().toLatin1().constData());
    return lue;
}

TEST(Accessibilite, LeChoixDeLImprimanteSeFaitAuClavier) {
    using imprimante::Destination;
    imprimante::ImprimantesEnregistrees imprimantes{
        {{"Fichier PDF", Destination::Genre::FichierPdf}, {"Bureau", Destination::Genre::Systeme}},
        0};
    imprimante::DialogueChoixImprimante dialogue{imprimantes, "A4", "/tmp/liste.pdf"};
    const Fenetre lue = Lire_Fenetre(dialogue, {"imprimantes", "fichier", "parcourir", "copies",
                                                "imprimer", "apercu", "annuler"});
    EXPECT_EQ(lue.noms.join('|'),
              "Imprimante|Fichier à créer|Parcourir pour choisir le "
              "fichier|Nombre de copies|Imprimer|Aperçu|Annuler");
    EXPECT_EQ(lue.chaine, "imprimantes fichier parcourir copies imprimer apercu annuler");
    // The caption of the file row labels its field.
    const auto relations = Interface(Enfant(dialogue, "fichier")).relations(QAccessible::Label);
    ASSERT_EQ(relations.size(), 1);
    EXPECT_EQ(relations.front().first->text(QAccessible::Name), "Fichier PDF :");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
    EXPECT_FALSE(dialogue.isVisible());
}

TEST(Accessibilite, UnFichierImpossibleSeLitAvecSaZone) {
    using imprimante::Destination;
    imprimante::ImprimantesEnregistrees imprimantes{
        {{"Fichier PDF", Destination::Genre::FichierPdf}}, 0};
    imprimante::DialogueChoixImprimante dialogue{imprimantes, "A4", "/nulle/part/liste.pdf"};
    auto& fichier = Enfant(dialogue, "fichier");
    EXPECT_FALSE(Description(fichier).isEmpty());
    EXPECT_EQ(Description(fichier), qobject_cast<QLabel*>(&Enfant(dialogue, "probleme"))->text());
    EXPECT_TRUE(Interface(Enfant(dialogue, "imprimer")).state().disabled);
}

TEST(Accessibilite, LApercuSeParcourtEtSeFermeAuClavier) {
    imprimante::ImprimanteEnregistree enregistree;
    enregistree.Print("un");
    imprimante::Reglages reglages;
    reglages.fichierSortie = "/tmp/apercu-accessible.pdf";
    auto printer = imprimante::preparerQPrinter(
        {"Fichier PDF", imprimante::Destination::Genre::FichierPdf}, reglages);
    imprimante::ApercuImpression apercu(enregistree.DocumentEnCours(), *printer);
    QDialog& dialogue = apercu.dialogue();
    auto* vue = dialogue.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(vue, nullptr);
    vue->setObjectName("pages");
    const Fenetre lue =
        Lire_Fenetre(dialogue, {"pages", "imprimer", "agrandir", "reduire", "fermer"});
    EXPECT_EQ(lue.noms.join('|'), "Pages de la liste|Imprimer|Zoom avant|Zoom arrière|Fermer");
    EXPECT_EQ(lue.chaine, "pages imprimer agrandir reduire fermer");

    const qreal avant = vue->zoomFactor();
    // A button's shortcut presses it as a click seen on screen, which ends a moment later.
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::ZoomIn);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vue->zoomFactor() > avant; }));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::ZoomOut);
    EXPECT_TRUE(QTest::qWaitFor([&] { return qFuzzyCompare(vue->zoomFactor(), avant); }));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialogue.result(), QDialog::Rejected);
}

// At any scale of the screen, every caption and field shows whole: each one's preferred size
// fits in its place. Run again with QT_SCALE_FACTOR at 1.5 and 2.
TEST(Echelle, AucunLibelleNiAucuneZoneNEstCoupe) {
    Installation installation;
    auto controle = installation.Initialiser();
    controle->findChild<QLineEdit*>("Txt_Association")->setText("A01");
    controle->show();
    for (QWidget* enfant : controle->findChildren<QWidget*>()) {
        const auto* etiquette = qobject_cast<QLabel*>(enfant);
        const auto* bouton = qobject_cast<QAbstractButton*>(enfant);
        if ((etiquette == nullptr && bouton == nullptr) || !enfant->isVisible()) {
            continue;
        }
        QSize voulue = enfant->sizeHint();
        // The style asks a push button for a width of its own, wider than any caption needs.
        if (const auto* commande = qobject_cast<QPushButton*>(enfant)) {
            voulue.setWidth(commande->fontMetrics().horizontalAdvance(commande->text()));
        }
        EXPECT_LE(voulue.width(), enfant->width()) << enfant->objectName().toStdString();
        EXPECT_LE(voulue.height(), enfant->height()) << enfant->objectName().toStdString();
    }
}

}  // namespace
