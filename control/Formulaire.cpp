#include <algorithm>

#include "Ctr_ArdoinePrivate.h"
#include "printer/Tabulation.h"

namespace {

constexpr int TwipsParPixel = 15;

// Positions are given as the form designer wrote them: left, top, width, height in twips.
QRect EnTwips(int gauche, int haut, int largeur, int hauteur) {
    return {gauche / TwipsParPixel, haut / TwipsParPixel, largeur / TwipsParPixel,
            hauteur / TwipsParPixel};
}

template <class Controle>
Controle* Placer(Controle* controle, const char* nom, QRect position) {
    controle->setObjectName(QString::fromLatin1(nom));
    controle->setGeometry(position);
    return controle;
}

// A caption is never cut: where this face is wider than the designer's, the label grows to
// the right, into the gap before the field it names.
QLabel* Etiquette(QWidget* parent, const char* nom, const char* libelle, QRect position) {
    auto* etiquette = Placer(new QLabel(QString::fromUtf8(libelle), parent), nom, position);
    etiquette->resize(std::max(position.width(), etiquette->sizeHint().width()), position.height());
    return etiquette;
}

// Code boxes hold codes the program only ever writes at their full width, so the toolkit's
// maximum length can stand for the typing limit. Zero: no limit.
QLineEdit* ZoneCode(QWidget* parent, const char* nom, QRect position, int longueur) {
    auto* zone = Placer(new QLineEdit(parent), nom, position);
    if (longueur > 0) {
        zone->setMaxLength(longueur);
    }
    return zone;
}

ardoine::ListeDeroulante* Liste(QWidget* parent, const char* nom, QRect position) {
    return Placer(new ardoine::ListeDeroulante(parent), nom, position);
}

// Qt makes a push button on a dialog its default button, so a host whose form is a dialog would
// print when Enter is pressed in a code box: the control's buttons are pressed only by hand.
QPushButton* Bouton(QWidget* parent, const char* nom, const char* libelle, QRect position) {
    auto* bouton = new QPushButton(QString::fromUtf8(libelle), parent);
    bouton->setAutoDefault(false);
    bouton->setDefault(false);
    return Placer(bouton, nom, position);
}

QRadioButton* Option(QWidget* parent, const char* nom, const char* libelle, QRect position) {
    return Placer(new QRadioButton(QString::fromUtf8(libelle), parent), nom, position);
}

}  // namespace

void Ctr_ArdoinePrivate::Construire_Formulaire() {
    const QRect taille = EnTwips(0, 0, 5925, 3990);
    // The positions were laid out for a small 8-point sans-serif face.
    q.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    q.setMinimumSize(taille.size());
    q.resize(taille.size());
    Construire_Association();
    Construire_Activites();
    Construire_Selection();
    Construire_Periode();
    Construire_Organisme();
    Construire_Commandes();
    Ordonner_Tabulation();
}

void Ctr_ArdoinePrivate::Construire_Association() {
    Etq_Association =
        Etiquette(&q, "Etq_Association", "Entité juridique", EnTwips(120, 120, 1035, 195));
    Txt_Association = ZoneCode(&q, "Txt_Association", EnTwips(1200, 120, 495, 315), 3);
    Cbo_Association = Liste(&q, "Cbo_Association", EnTwips(1800, 120, 3975, 315));
}

void Ctr_ArdoinePrivate::Construire_Activites() {
    Etq_Activites = Etiquette(&q, "Etq_Activites", "Activité", EnTwips(120, 600, 525, 195));
    Txt_Activites = ZoneCode(&q, "Txt_Activites", EnTwips(1200, 600, 495, 315), 3);
    Txt_Activites->setEnabled(false);
    Cbo_Activites = Liste(&q, "Cbo_Activites", EnTwips(1800, 600, 3975, 315));
    Cbo_Activites->setEnabled(false);
}

// The manager/sector pair and the commune pair share one place; the commune's starts hidden.
void Ctr_ArdoinePrivate::Construire_Selection() {
    Cdr_Selection = Placer(new QGroupBox(QStringLiteral("Selection"), &q), "Cdr_Selection",
                           EnTwips(120, 1080, 5655, 735));
    Opt_Responsable =
        Option(Cdr_Selection, "Opt_Responsable", "Responsable", EnTwips(120, 240, 1815, 375));
    Opt_Responsable->setChecked(true);
    Opt_Secteur = Option(Cdr_Selection, "Opt_Secteur", "Secteur", EnTwips(2160, 240, 1455, 375));
    Opt_Commune = Option(Cdr_Selection, "Opt_Commune", "Commune", EnTwips(3960, 240, 1455, 375));

    Etq_RespSect = Etiquette(&q, "Etq_RespSect", "Responsable", EnTwips(120, 1920, 930, 195));
    Txt_Responsable = ZoneCode(&q, "Txt_Responsable", EnTwips(1200, 1920, 495, 315), 3);
    Cbo_RespSect = Liste(&q, "Cbo_RespSect", EnTwips(1800, 1920, 3975, 315));

    Etq_Commune = Etiquette(&q, "Etq_Commune", "Commune", EnTwips(120, 1920, 705, 195));
    Txt_Commune = ZoneCode(&q, "Txt_Commune", EnTwips(1200, 1920, 615, 315), 5);
    Cbo_Commune = Liste(&q, "Cbo_Commune", EnTwips(1920, 1920, 3855, 315));
    Etq_Commune->setVisible(false);
    Txt_Commune->setVisible(false);
    Cbo_Commune->setVisible(false);
}

void Ctr_ArdoinePrivate::Construire_Periode() {
    Etq_Periode =
        Etiquette(&q, "Etq_Periode", "Période de fin des accords", EnTwips(120, 2400, 1890, 195));
    Txt_Periode = ZoneCode(&q, "Txt_Periode", EnTwips(2400, 2400, 3360, 315), 0);
    Txt_Periode->setEnabled(false);
    Bdh_Periode =
        Placer(new ardoine::BoutonsHautBas(&q), "Bdh_Periode", EnTwips(5595, 2400, 195, 300));
}

void Ctr_ArdoinePrivate::Construire_Organisme() {
    Etq_Organisme = Etiquette(&q, "Etq_Organisme", "Organisme ", EnTwips(120, 2880, 855, 255));
    Txt_CodeOrg = ZoneCode(&q, "Txt_CodeOrg", EnTwips(1200, 2880, 495, 285), 0);
    Txt_CodeOrg->setEnabled(false);
    Cbo_SigleOrg = Liste(&q, "Cbo_SigleOrg", EnTwips(1800, 2880, 3975, 315));
    Cbo_SigleOrg->setEnabled(false);
}

void Ctr_ArdoinePrivate::Construire_Commandes() {
    Prg_Accord = Placer(new QProgressBar(&q), "Prg_Accord", EnTwips(120, 3480, 3615, 375));
    Prg_Accord->setVisible(false);
    Avancement_Impression = std::make_unique<ardoine::AvancementFormulaire>(
        *Prg_Accord, [this] { return std::make_unique<Occupation>(*this); });
    Cmd_Imprimer = Bouton(&q, "Cmd_Imprimer", "Imprimer", EnTwips(3840, 3480, 855, 375));
    Cmd_Imprimer->setEnabled(false);
    Cmd_Sortir = Bouton(&q, "Cmd_Sortir", "Sortir", EnTwips(4920, 3480, 855, 375));
}

// The six first places go to the three pairs a list always needs; then come the grouping and
// its commune pair, the period and the funding body, in the order the form reads, and the two
// commands last, so that the keyboard reaches every criterion before "Imprimer". Controls that
// never take the focus (labels, the frame, the progress bar) have no place in the chain.
void Ctr_ArdoinePrivate::Ordonner_Tabulation() {
    imprimante::Enchainer_Tabulation(
        {Txt_Association, Cbo_Association, Txt_Activites, Cbo_Activites, Txt_Responsable,
         Cbo_RespSect, Opt_Responsable, Opt_Secteur, Opt_Commune, Txt_Commune, Cbo_Commune,
         Txt_Periode, Bdh_Periode, Txt_CodeOrg, Cbo_SigleOrg, Cmd_Imprimer, Cmd_Sortir});
}
