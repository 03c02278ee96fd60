#include <gtest/gtest.h>

#include <QCompleter>

#include "DroitsEnregistres.h"
#include "Face.h"
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
    int particularites = 0;
};

const std::vector<ControleAttendu> Table = {
    {"Etq_Association", "QLabel", "Entité juridique"},
    {"Txt_Association", "QLineEdit", ""},
    {"Cbo_Association", "QComboBox", ""},
    {"Etq_Activites", "QLabel", "Activité"},
    {"Txt_Activites", "QLineEdit", "", Inactif},
    {"Cbo_Activites", "QComboBox", "", Inactif},
    {"Cdr_Selection", "QGroupBox", "Selection"},
    {"Opt_Responsable", "QRadioButton", "Responsable", DansLeCadre},
    {"Opt_Secteur", "QRadioButton", "Secteur", DansLeCadre},
    {"Opt_Commune", "QRadioButton", "Commune", DansLeCadre},
    {"Etq_RespSect", "QLabel", "Responsable"},
    {"Txt_Responsable", "QLineEdit", ""},
    {"Cbo_RespSect", "QComboBox", ""},
    {"Etq_Commune", "QLabel", "Commune", Cache},
    {"Txt_Commune", "QLineEdit", "", Cache},
    {"Cbo_Commune", "QComboBox", "", Cache},
    {"Etq_Periode", "QLabel", "Période de fin des accords"},
    {"Txt_Periode", "QLineEdit", "MAI 2018", Inactif},
    {"Bdh_Periode", "QSpinBox", ""},
    {"Etq_Organisme", "QLabel", "Organisme "},
    {"Txt_CodeOrg", "QLineEdit", "", Inactif},
    {"Cbo_SigleOrg", "QComboBox", "", Inactif},
    {"Prg_Accord", "QProgressBar", "", Cache},
    {"Cmd_Imprimer", "QPushButton", "Imprimer", Inactif},
    {"Cmd_Sortir", "QPushButton", "Sortir"},
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

TEST(Formulaire, ChaqueControleALeGenreLeLibelleEtLEtatDeSaTable) {
    Installation installation;
    auto controle = installation.Initialiser();
    for (const ControleAttendu& attendu : Table) {
        SCOPED_TRACE(attendu.nom);
        const auto* widget = controle->findChild<QWidget*>(attendu.nom);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->inherits(attendu.genre));
        EXPECT_EQ(TexteAffiche(widget), attendu.texte);
        // A caption is never cut, and every control lies within its parent.
        if (widget->inherits("QLabel")) {
            EXPECT_GE(widget->width(), widget->sizeHint().width());
        }
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
        const bool dansLeCadre = attendu.particularites & DansLeCadre;
        EXPECT_EQ(widget->parentWidget(),
                  dansLeCadre ? static_cast<QWidget*>(essai::Face(*controle).Cdr_Selection)
                              : static_cast<QWidget*>(controle.get()));
        EXPECT_EQ(widget->isEnabled(), !(attendu.particularites & Inactif));
        EXPECT_EQ(widget->isVisibleTo(controle.get()), !(attendu.particularites & Cache));
    }
    EXPECT_EQ(controle->size(), QSize(395, 266));
}

TEST(Formulaire, InitOuvreLesFichiersPuisRemplitLesDeuxListesEtMetLaPeriodeSurLeMoisCourant) {
    Installation installation;
    auto controle = installation.Initialiser();
    auto attendu = essai::Prefixees("fichier ouvert ", essai::FichiersDuControle);
    attendu.insert(attendu.end(),
                   {"selection SSELECT ASSOCIATION PAR 1", "selection SSELECT RESPONSABLE PAR 1"});
    EXPECT_EQ(*installation.journal, attendu);
    EXPECT_EQ(installation.plateforme->Appels(), QStringList{"date"});

    EXPECT_EQ(Entrees(*essai::Face(*controle).Cbo_Association),
              (QStringList{"ALPHA SERVICES", "BETA AIDE"}));
    EXPECT_EQ(essai::Face(*controle).Cbo_Association->currentIndex(), -1);
    EXPECT_EQ(Entrees(*essai::Face(*controle).Cbo_RespSect),
              (QStringList{"DUPONT Jean", "MARTIN Anne"}));
    EXPECT_EQ(essai::Face(*controle).Cbo_RespSect->currentIndex(), -1);
    EXPECT_EQ(essai::Face(*controle).Cbo_Activites->count(), 0);
    EXPECT_EQ(essai::Face(*controle).Cbo_Commune->count(), 0);
    EXPECT_EQ(essai::Face(*controle).Cbo_SigleOrg->count(), 0);

    EXPECT_EQ(controle->Periode_Affichee(), QDate(2018, 5, 1));
}

TEST(Formulaire, LeBoutonImprimerNApparaitQuAuNiveauDeux) {
    Installation installation;
    for (const auto& [login, montre] : std::vector<std::pair<std::string, bool>>{
             {"admin", true}, {"lecteur", false}, {"inconnu", false}, {"autre", false}}) {
        SCOPED_TRACE(login);
        auto controle = installation.Initialiser(login);
        EXPECT_EQ(essai::Face(*controle).Cmd_Imprimer->isVisibleTo(controle.get()), montre);
        EXPECT_EQ(essai::Face(*controle).Cbo_Association->count(), 2);
        essai::Face(*controle).Cmd_Imprimer->setEnabled(true);
        EXPECT_EQ(essai::Face(*controle).Cmd_Imprimer->isVisibleTo(controle.get()), montre);
    }
    // Level 2 exactly: higher levels are no full rights either.
    for (const std::int32_t niveau : {3, 9}) {
        auto controle = installation.Creer();
        controle->DroitsUtilisateur(
            std::make_shared<essai::DroitsEnregistres>(niveau, installation.journal));
        controle->Init();
        EXPECT_FALSE(essai::Face(*controle).Cmd_Imprimer->isVisibleTo(controle.get())) << niveau;
    }
}

TEST(Formulaire, UneSelectionVideLaisseUneEntreeVide) {
    Installation installation(std::vector<std::string>{});
    auto controle = installation.Initialiser();
    EXPECT_EQ(Entrees(*essai::Face(*controle).Cbo_Association), QStringList{""});
    EXPECT_EQ(Entrees(*essai::Face(*controle).Cbo_RespSect), QStringList{""});
    EXPECT_EQ(essai::Face(*controle).Txt_Association->text(), "");
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
    EXPECT_EQ(essai::Face(*controle).Cbo_RespSect->count(), 0);
    EXPECT_TRUE(installation.plateforme->Appels() == QStringList{"date"});

    installation.base->selectionEnEchec.clear();
    controle->Remplir_Responsable();
    EXPECT_EQ(Entrees(*essai::Face(*controle).Cbo_RespSect),
              (QStringList{"DUPONT Jean", "MARTIN Anne"}));
    installation.journal->clear();
    controle->Remplir_Responsable();
    EXPECT_TRUE(installation.journal->empty());
    EXPECT_EQ(essai::Face(*controle).Cbo_RespSect->count(), 2);
}

}  // namespace
