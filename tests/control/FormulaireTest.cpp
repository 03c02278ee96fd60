#include <gtest/gtest.h>

#include <QCompleter>

#include "ImpressionQt.h"
#include "Installation.h"

namespace {

using essai::Entrees;
using essai::Installation;

// What sets a control apart from most: inside the selection frame, greyed, hidden.
enum Particularite { DansLeCadre = 1, Inactif = 2, Cache = 4 };

struct ControleAttendu {
    const char* nom;
    const char* genre;
    QString texte;
    QRect twips;
    int particularites = 0;
};

const std::vector<ControleAttendu> Table = {
    {"Etq_Association", "QLabel", "Entité juridique", {120, 120, 1035, 195}},
    {"Txt_Association", "QLineEdit", "", {1200, 120, 495, 315}},
    {"Cbo_Association", "QComboBox", "", {1800, 120, 3975, 315}},
    {"Etq_Activites", "QLabel", "Activité", {120, 600, 525, 195}},
    {"Txt_Activites", "QLineEdit", "", {1200, 600, 495, 315}, Inactif},
    {"Cbo_Activites", "QComboBox", "", {1800, 600, 3975, 315}, Inactif},
    {"Cdr_Selection", "QGroupBox", "Selection", {120, 1080, 5655, 735}},
    {"Opt_Responsable", "QRadioButton", "Responsable", {120, 240, 1815, 375}, DansLeCadre},
    {"Opt_Secteur", "QRadioButton", "Secteur", {2160, 240, 1455, 375}, DansLeCadre},
    {"Opt_Commune", "QRadioButton", "Commune", {3960, 240, 1455, 375}, DansLeCadre},
    {"Etq_RespSect", "QLabel", "Responsable", {120, 1920, 930, 195}},
    {"Txt_Responsable", "QLineEdit", "", {1200, 1920, 495, 315}},
    {"Cbo_RespSect", "QComboBox", "", {1800, 1920, 3975, 315}},
    {"Etq_Commune", "QLabel", "Commune", {120, 1920, 705, 195}, Cache},
    {"Txt_Commune", "QLineEdit", "", {1200, 1920, 615, 315}, Cache},
    {"Cbo_Commune", "QComboBox", "", {1920, 1920, 3855, 315}, Cache},
    {"Etq_Periode", "QLabel", "Période de fin des accords", {120, 2400, 1890, 195}},
    {"Txt_Periode", "QLineEdit", "MAI 2018", {2400, 2400, 3360, 315}, Inactif},
    {"Bdh_Periode", "QSpinBox", "", {5595, 2400, 195, 300}},
    {"Etq_Organisme", "QLabel", "Organisme ", {120, 2880, 855, 255}},
    {"Txt_CodeOrg", "QLineEdit", "", {1200, 2880, 495, 285}, Inactif},
    {"Cbo_SigleOrg", "QComboBox", "", {1800, 2880, 3975, 315}, Inactif},
    {"Prg_Accord", "QProgressBar", "", {120, 3480, 3615, 375}, Cache},
    {"Cmd_Imprimer", "QPushButton", "Imprimer", {3840, 3480, 855, 375}, Inactif},
    {"Cmd_Sortir", "QPushButton", "Sortir", {4920, 3480, 855, 375}},
};

QString TexteAffiche(const QWidget* controle) {
    if (const auto* zone = qobject_cast<const QLineEdit*>(controle)) {
        return zone->text();
    }
    if (const auto* liste = qobject_cast<const QComboBox*>(controle)) {
        return liste->currentText();
    }
    if (const auto* etiquette = qobject_cast<const QLabel*>(controle)) {
        return etiquette->text();
    }
    if (const auto* bouton = qobject_cast<const QAbstractButton*>(controle)) {
        return bouton->text();
    }
    if (const auto* cadre = qobject_cast<const QGroupBox*>(controle)) {
        return cadre->title();
    }
    return {};
}

QRect EnPixels(QRect twips) {
    return {twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15};
}

// The named control a widget of the focus chain belongs to (a list box's or spinner's line
// edit belongs to it).
QString ControleNomme(QWidget* widget, Ctr_Ardoine& formulaire) {
    for (; widget != nullptr && widget != &formulaire; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && widget->parentWidget() != nullptr &&
            (widget->parentWidget() == &formulaire ||
             widget->parentWidget() == formulaire.Cdr_Selection)) {
            return widget->objectName();
        }
    }
    return {};
}

TEST(Formulaire, ChaqueControleALeGenreLeLibelleLaPlaceEtLEtatDeSaTable) {
    Installation installation;
    auto controle = installation.Initialiser();
    for (const ControleAttendu& attendu : Table) {
        SCOPED_TRACE(attendu.nom);
        const auto* widget = controle->findChild<QWidget*>(attendu.nom);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(attendu.genre));
        EXPECT_EQ(TexteAffiche(widget), attendu.texte);
        const QRect place = EnPixels(attendu.twips);
        if (widget->inherits("QLabel")) {
            // A caption may grow to the right so that its text is never cut.
            EXPECT_EQ(widget->pos(), place.topLeft());
            EXPECT_EQ(widget->height(), place.height());
            EXPECT_GE(widget->width(), std::max(place.width(), widget->sizeHint().width()));
        } else {
            EXPECT_EQ(widget->geometry(), place);
        }
        const bool dansLeCadre = attendu.particularites & DansLeCadre;
        EXPECT_EQ(widget->parentWidget(), dansLeCadre
                                              ? static_cast<QWidget*>(controle->Cdr_Selection)
                                              : static_cast<QWidget*>(controle.get()));
        EXPECT_EQ(widget->isEnabled(), !(attendu.particularites & Inactif));
        EXPECT_EQ(widget->isVisibleTo(controle.get()), !(attendu.particularites & Cache));
    }
    EXPECT_EQ(controle->size(), QSize(395, 266));
}

TEST(Formulaire, LesCodesOntLeurLongueurEtLesListesNeCompletentNiNAjoutentRien) {
    Installation installation;
    auto c = installation.Initialiser();
    EXPECT_EQ(c->Txt_Association->maxLength(), 3);
    EXPECT_EQ(c->Txt_Activites->maxLength(), 3);
    EXPECT_EQ(c->Txt_Responsable->maxLength(), 3);
    EXPECT_EQ(c->Txt_Commune->maxLength(), 5);
    EXPECT_EQ(c->Txt_CodeOrg->maxLength(), QLineEdit().maxLength());
    const auto listes = c->findChildren<QComboBox*>();
    ASSERT_EQ(listes.size(), 5);
    for (QComboBox* liste : listes) {
        SCOPED_TRACE(liste->objectName().toStdString());
        EXPECT_TRUE(liste->isEditable());
        EXPECT_EQ(liste->completer(), nullptr);
        EXPECT_EQ(liste->insertPolicy(), QComboBox::NoInsert);
    }
}

TEST(Formulaire, LaTabulationSuitLOrdreDeLaTable) {
    Installation installation;
    auto controle = installation.Initialiser();
    const QStringList attendu = {
        "Txt_Association", "Cbo_Association", "Txt_Activites", "Cbo_Activites", "Txt_Responsable",
        "Cbo_RespSect",    "Cmd_Imprimer",    "Cmd_Sortir",    "Txt_Periode",   "Opt_Secteur",
        "Opt_Responsable", "Bdh_Periode",     "Txt_Commune",   "Cbo_Commune",   "Opt_Commune",
        "Txt_CodeOrg",     "Cbo_SigleOrg"};
    QStringList chaine;
    QWidget* widget = controle->Txt_Association;
    do {
        const QString nom = ControleNomme(widget, *controle);
        if (attendu.contains(nom) && !chaine.contains(nom)) {
            chaine.append(nom);
        }
        widget = widget->nextInFocusChain();
    } while (widget != controle->Txt_Association);
    EXPECT_EQ(chaine, attendu);
}

TEST(Formulaire, InitOuvreLesFichiersPuisRemplitLesDeuxListesEtMetLaPeriodeSurLeMoisCourant) {
    Installation installation;
    auto controle = installation.Initialiser();
    auto attendu = essai::Prefixees("fichier ouvert ", essai::FichiersDuControle);
    attendu.insert(attendu.end(),
                   {"selection SSELECT ASSOCIATION PAR 1", "selection SSELECT RESPONSABLE PAR 1"});
    EXPECT_EQ(*installation.journal, attendu);
    EXPECT_EQ(installation.plateforme->Appels(), QStringList{"date"});

    EXPECT_EQ(Entrees(*controle->Cbo_Association), (QStringList{"ALPHA SERVICES", "BETA AIDE"}));
    EXPECT_EQ(controle->Cbo_Association->currentIndex(), -1);
    EXPECT_EQ(Entrees(*controle->Cbo_RespSect), (QStringList{"DUPONT Jean", "MARTIN Anne"}));
    EXPECT_EQ(controle->Cbo_RespSect->currentIndex(), -1);
    EXPECT_EQ(controle->Cbo_Activites->count(), 0);
    EXPECT_EQ(controle->Cbo_Commune->count(), 0);
    EXPECT_EQ(controle->Cbo_SigleOrg->count(), 0);

    EXPECT_EQ(controle->Mois_Courant, "05");
    EXPECT_EQ(controle->Annee_Courante, "2018");
    EXPECT_EQ(controle->Unite_Cm, 567);
    EXPECT_EQ(controle->Num_Page, 1);
}

TEST(Formulaire, LeBoutonImprimerNApparaitQuAuNiveauDeux) {
    Installation installation;
    for (const auto& [login, montre] : std::vector<std::pair<std::string, bool>>{
             {"admin", true}, {"lecteur", false}, {"inconnu", false}, {"autre", false}}) {
        SCOPED_TRACE(login);
        auto controle = installation.Initialiser(login);
        EXPECT_EQ(controle->Cmd_Imprimer->isVisibleTo(controle.get()), montre);
        EXPECT_EQ(controle->Cbo_Association->count(), 2);
        controle->Cmd_Imprimer->setEnabled(true);
        EXPECT_EQ(controle->Cmd_Imprimer->isVisibleTo(controle.get()), montre);
    }
}

TEST(Formulaire, UneEntiteJuridiqueSeuleEstChoisieDesInit) {
    Installation installation({essai::Ligne("ASSOCIATION", "A01", {{1, "ALPHA SERVICES"}})});
    auto controle = installation.Initialiser();
    EXPECT_EQ(controle->Cbo_Association->currentText(), "ALPHA SERVICES");
    EXPECT_EQ(controle->Txt_Association->text(), "A01");
}

TEST(Formulaire, UneSelectionVideLaisseUneEntreeVide) {
    Installation installation(std::vector<std::string>{});
    auto controle = installation.Initialiser();
    EXPECT_EQ(Entrees(*controle->Cbo_Association), QStringList{""});
    EXPECT_EQ(Entrees(*controle->Cbo_RespSect), QStringList{""});
    EXPECT_EQ(controle->Txt_Association->text(), "");
    // A held list that reads as empty is read again; a filled one is kept.
    installation.journal->clear();
    controle->Remplir_Responsable();
    EXPECT_EQ(*installation.journal,
              std::vector<std::string>{"selection SSELECT RESPONSABLE PAR 1"});
}

TEST(Formulaire, UnEchecDeLaListeDesResponsablesEstTuEtLaListeRelueEnsuite) {
    Installation installation;
    installation.base->selectionEnEchec = "RESPONSABLE";
    auto controle = installation.Initialiser();
    EXPECT_EQ(controle->Cbo_RespSect->count(), 0);
    EXPECT_TRUE(installation.plateforme->Appels() == QStringList{"date"});

    installation.base->selectionEnEchec.clear();
    controle->Remplir_Responsable();
    EXPECT_EQ(Entrees(*controle->Cbo_RespSect), (QStringList{"DUPONT Jean", "MARTIN Anne"}));
    installation.journal->clear();
    controle->Remplir_Responsable();
    EXPECT_TRUE(installation.journal->empty());
    EXPECT_EQ(controle->Cbo_RespSect->count(), 2);
}

}  // namespace
