#include "MiseEnPage.h"

#include "EnTetePage.h"
#include "LectureEnregistrement.h"
#include "PeriodeImprimee.h"
#include "TexteRapport.h"
#include "dba/Erreur.h"
#include "printer/Imprimante.h"

// Columns are counted in characters of the fixed-pitch body font; positions are centimetres
// turned into twips.

namespace {

constexpr int LignesParPage = 51;
constexpr double TwipsParCm = 567;
// The labels of the group blocks are 14 characters long, so every value starts in column 15.
const std::string RetraitBloc(14, ' ');

std::string Espaces(std::size_t nombre) {
    return std::string(nombre, ' ');
}

double Cm(double centimetres) {
    return TwipsParCm * centimetres;
}

}  // namespace

namespace rapport {

MiseEnPage::MiseEnPage(ardoine::ObjetsModule& module, ardoine::Calendrier& calendrier,
                       const CriteresListe& criteres, const QDate& mois,
                       std::shared_ptr<imprimante::Imprimante> imprimante, Placement placement)
    : module_(module),
      calendrier_(calendrier),
      criteres_(criteres),
      mois_(mois),
      imprimante_(std::move(imprimante)),
      placement_(std::move(placement)) {}

void MiseEnPage::Debut_Groupe(const std::string& groupe) {
    if (!commencee_) {
        Commencer_Pages(groupe);
    } else {
        New_Page(groupe);
    }
}

void MiseEnPage::Ligne(const LigneListe& ligne) {
    placement_(Verif_Ligne(ligne));
}

void MiseEnPage::Decision(const DecisionAccord& /*decision*/) {}

// The next walk starts afresh, on page 1 of a new sheet.
void MiseEnPage::Fin_Liste() {
    if (commencee_) {
        Edition_Fin_Tableau();
    }
    page_ = 1;
    ligne_ = 0;
    commencee_ = false;
}

// The walk's first page; a walk that follows printed pages starts on a new sheet.
void MiseEnPage::Commencer_Pages(const std::string& groupe) {
    if (!imprimante_->DocumentVide()) {
        imprimante_->NewPage();
    }
    Entete_Page(groupe);
    commencee_ = true;
}

void MiseEnPage::Tracer(double x1, double y1, double x2, double y2) {
    imprimante_->Line(Cm(x1), Cm(y1), Cm(x2), Cm(y2));
}

// Headed with the group the page's lines belong to.
void MiseEnPage::Entete_Page(const std::string& groupe) {
    imprimante::Imprimante& imprimante = *imprimante_;
    imprimante.FontName("Courier New");
    imprimante.FontSize(10);
    imprimante.FontBold(false);
    imprimante.FontItalic(false);
    imprimante.FontUnderline(false);
    imprimante.FontStrikethru(false);
    Ecrire_Date_Et_Page(imprimante, calendrier_.Aujourdhui(), page_);
    imprimante.FontSize(14);
    imprimante.FontBold(true);
    imprimante.Print(Espaces(20) + "LISTE DES ACCORDS NON RENOUVELES");
    imprimante.Print(Espaces(30) + "SUR " + Libelle_Mois(mois_).toStdString());
    imprimante.FontBold(false);
    imprimante.FontSize(10);
    imprimante.Print("");
    imprimante.Print("");
    switch (criteres_.regroupement) {
        case rapport::CriteresListe::Regroupement::Responsable:
            Bloc_Responsable(groupe);
            break;
        case rapport::CriteresListe::Regroupement::Secteur:
            Bloc_Secteur(groupe);
            break;
        case rapport::CriteresListe::Regroupement::Commune:
            Bloc_Commune(groupe);
            break;
    }
    Entete_Tableau();
}

// The manager's name, then the address lines that are not empty, then the postcode and town.
void MiseEnPage::Bloc_Responsable(const std::string& responsable) {
    Lire_Enregistrement(module_.Fic_Responsable, responsable, module_.Enr_Responsable);
    const dba::Enregistrement& fiche = *module_.Enr_Responsable;
    imprimante::Imprimante& imprimante = *imprimante_;
    imprimante.Print("Responsable : " + fiche(1));
    std::string adresse;
    for (int attribut = 2; attribut <= 5; ++attribut) {
        if (!fiche(attribut).empty()) {
            adresse += fiche(attribut) + " ";
        }
    }
    if (!adresse.empty()) {
        imprimante.Print(RetraitBloc + adresse);
    }
    if (!fiche(6).empty()) {
        imprimante.Print(RetraitBloc + fiche(6));
    }
    imprimante.Print(RetraitBloc + fiche(7) + " " + fiche(8));
}

void MiseEnPage::Bloc_Secteur(const std::string& secteur) {
    Lire_Enregistrement(module_.Fic_Secteur, secteur, module_.Enr_Secteur);
    imprimante_->Print("Secteur     : " + (*module_.Enr_Secteur)(1));
}

void MiseEnPage::Bloc_Commune(const std::string& commune) {
    imprimante_->Print("Commune     : " + commune);
}

// The table header stands at the same place on every page, whatever the block above it.
void MiseEnPage::Entete_Tableau() {
    imprimante::Imprimante& imprimante = *imprimante_;
    imprimante.CurrentX(0);
    imprimante.CurrentY(Cm(5.4));
    imprimante.Print("");
    imprimante.FontSize(10);
    imprimante.Print(" CODE  NOM PRENOM AIDE" + Espaces(19) + "ORGANISME DE PRISE EN CHARGE" +
                     Espaces(13) + "FIN ACCORD");
    imprimante.Print("");
    imprimante.DrawWidth(3);
    Tracer(0, 5.5, 19.6, 5.5);
    Tracer(0, 6.5, 19.6, 6.5);
    Tracer(0, 5.5, 0, 6.5);
    Tracer(19.6, 5.5, 19.6, 6.5);
    imprimante.DrawWidth(1);
    Tracer(1.3, 5.5, 1.3, 6.5);
    Tracer(8.3, 5.5, 8.3, 6.5);
    Tracer(17, 5.5, 17, 6.5);
    imprimante.CurrentX(Cm(0.1));
    imprimante.CurrentY(Cm(6.9));
    ligne_ = 0;
}

// A full page makes way: the line in hand becomes the first line of the next page, headed with
// its group. Returns where the line went.
PlacementLigne MiseEnPage::Verif_Ligne(const LigneListe& ligne) {
    if (ligne_ >= LignesParPage) {
        New_Page(ligne.groupe);
    }
    Imprime_Detail(ligne);
    return {page_, ligne_};
}

void MiseEnPage::New_Page(const std::string& groupe) {
    Edition_Fin_Tableau();
    ligne_ = 0;
    ++page_;
    imprimante_->NewPage();
    Entete_Page(groupe);
}

// Code, name, funding body and end date of the line, in columns that line up under the
// titles. The columns are counted in characters of a fixed-pitch font, so the line is printed
// as one text, just as its four fields would print one after the other.
void MiseEnPage::Imprime_Detail(const rapport::LigneListe& champs) {
    const std::string ligne = champs.codeAide + " " +
                              ardoine::Colonne_Ajustee(champs.nom + " " + champs.prenom, 32, 34) +
                              ardoine::Colonne_Ajustee(champs.organisme, 39, 41) +
                              ardoine::Date_Fin_Imprimable(champs.fin);
    imprimante::Imprimante& imprimante = *imprimante_;
    imprimante.CurrentX(Cm(0.1));
    imprimante.Print(ligne);
    ++ligne_;
}

// The frame's height comes from the line count, two lines of margin included; the text itself
// is not measured.
void MiseEnPage::Edition_Fin_Tableau() {
    ligne_ += 2;
    const double bas = 0.39 * static_cast<double>(ligne_) + 6.5;
    imprimante::Imprimante& imprimante = *imprimante_;
    imprimante.DrawWidth(3);
    Tracer(0, 6.5, 0, bas);
    Tracer(19.6, 6.5, 19.6, bas);
    Tracer(0, bas, 19.6, bas);
    imprimante.DrawWidth(1);
    Tracer(1.3, 6.5, 1.3, bas);
    Tracer(8.3, 6.5, 8.3, bas);
    Tracer(17, 6.5, 17, bas);
}

}  // namespace rapport
