#include "Accessibilite.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace ardoine {

namespace {

struct Nom {
    const char* objet;
    const char* nom;
    // Empty: the name says all.
    const char* description;
};

// The names a screen reader says, one for each control, so that no two controls read alike:
// a list box is named as its caption reads, its code box says it holds the code.
constexpr Nom Noms[] = {
    {"Txt_Association", "Code de l'entité juridique",
     "3 caractères, complété par des zéros à gauche"},
    {"Cbo_Association", "Entité juridique", ""},
    {"Txt_Activites", "Code de l'activité", "3 caractères, complété par des zéros à gauche"},
    {"Cbo_Activites", "Activité", ""},
    {"Cdr_Selection", "Regroupement de la liste", ""},
    {"Opt_Responsable", "Regrouper par responsable", ""},
    {"Opt_Secteur", "Regrouper par secteur", ""},
    {"Opt_Commune", "Regrouper par commune", ""},
    {"Txt_Commune", "Code de la commune", "5 caractères, complété par des zéros à gauche"},
    {"Cbo_Commune", "Commune", "Tapez le début du nom puis Entrée pour chercher"},
    {"Txt_Periode", "Période de fin des accords", ""},
    {"Bdh_Periode", "Changer la période de fin des accords", ""},
    {"Txt_CodeOrg", "Code de l'organisme de prise en charge",
     "3 caractères au plus, complété par des zéros à gauche"},
    {"Cbo_SigleOrg", "Organisme de prise en charge", ""},
    {"Prg_Accord", "Progression de l'impression", ""},
    {"Cmd_Imprimer", "Imprimer", "Imprime la liste des accords non renouvelés"},
    {"Cmd_Sortir", "Sortir", "Ferme le formulaire sans imprimer"},
};

struct Legende {
    const char* etiquette;
    const char* zone;
};

constexpr Legende Legendes[] = {
    {"Etq_Association", "Txt_Association"}, {"Etq_Activites", "Txt_Activites"},
    {"Etq_RespSect", "Txt_Responsable"},    {"Etq_Commune", "Txt_Commune"},
    {"Etq_Periode", "Txt_Periode"},         {"Etq_Organisme", "Txt_CodeOrg"},
};

template <class Controle = QWidget>
Controle& Enfant(QWidget& formulaire, const char* nom) {
    auto* enfant = formulaire.findChild<Controle*>(QString::fromLatin1(nom));
    Q_ASSERT(enfant != nullptr);
    return *enfant;
}

void Nommer_Widget(QWidget& controle, const QString& nom, const QString& description) {
    controle.setAccessibleName(nom);
    controle.setAccessibleDescription(description);
}

// The text part of a list box, where the keys go, reads the list's name too.
void Nommer_Liste(QComboBox& liste) {
    if (liste.lineEdit() != nullptr) {
        Nommer_Widget(*liste.lineEdit(), liste.accessibleName(), liste.accessibleDescription());
    }
}

void Nommer(QWidget& controle, const char* nom, const char* description) {
    Nommer_Widget(controle, QString::fromUtf8(nom), QString::fromUtf8(description));
    if (auto* liste = qobject_cast<QComboBox*>(&controle)) {
        Nommer_Liste(*liste);
    }
}

// The manager/sector pair reads the code of the grouping chosen, as its caption does.
void Nommer_Responsable_Secteur(QWidget& formulaire, bool secteur) {
    const char* const description = "3 caractères, complété par des zéros à gauche";
    if (secteur) {
        Nommer(Enfant(formulaire, "Txt_Responsable"), "Code du secteur", description);
        Nommer(Enfant(formulaire, "Cbo_RespSect"), "Secteur", "");
    } else {
        Nommer(Enfant(formulaire, "Txt_Responsable"), "Code du responsable", description);
        Nommer(Enfant(formulaire, "Cbo_RespSect"), "Responsable", "");
    }
}

// The spinner's own value is only a step count: what it changes is the period shown beside
// it, which its description reads with the keys that change it.
void Dire_Periode(QWidget& fleches, const QString& periode) {
    fleches.setAccessibleDescription(
        QStringLiteral("%1 ; flèche haut : mois suivant, flèche bas : mois précédent")
            .arg(periode));
}

void Suivre_Periode(QWidget& formulaire) {
    auto& periode = Enfant<QLineEdit>(formulaire, "Txt_Periode");
    auto& fleches = Enfant(formulaire, "Bdh_Periode");
    Dire_Periode(fleches, periode.text());
    QObject::connect(&periode, &QLineEdit::textChanged, &fleches,
                     [&fleches](const QString& texte) { Dire_Periode(fleches, texte); });
}

}  // namespace

void Rendre_Accessible(QWidget& formulaire) {
    for (const Nom& nom : Noms) {
        Nommer(Enfant(formulaire, nom.objet), nom.nom, nom.description);
    }
    for (const Legende& legende : Legendes) {
        Enfant<QLabel>(formulaire, legende.etiquette).setBuddy(&Enfant(formulaire, legende.zone));
    }
    auto& secteur = Enfant<QAbstractButton>(formulaire, "Opt_Secteur");
    Nommer_Responsable_Secteur(formulaire, secteur.isChecked());
    QObject::connect(&secteur, &QAbstractButton::toggled, &formulaire, [&formulaire](bool choisi) {
        Nommer_Responsable_Secteur(formulaire, choisi);
    });
    Suivre_Periode(formulaire);
}

}  // namespace ardoine
