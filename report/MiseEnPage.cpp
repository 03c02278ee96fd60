#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "printer/Imprimante.h"

// The printed list: page header with its group block, boxed table header, detail lines and
// the closing of the frame. Columns are counted in characters of the fixed-pitch body font;
// positions are centimetres turned into twips.

namespace {

constexpr int LignesParPage = 51;
constexpr double TwipsParCm = 567;
// The labels of the group blocks are 14 characters long, so every value starts in column 15.
const std::string RetraitBloc(14, ' ');

std::string Espaces(std::size_t nombre) {
    return std::string(nombre, ' ');
}

}  // namespace

double Ctr_ArdoinePrivate::Cm(double centimetres) const {
    return TwipsParCm * centimetres;
}

void Ctr_ArdoinePrivate::Tracer(double x1, double y1, double x2, double y2) {
    Imprimante_Courante().Line(Cm(x1), Cm(y1), Cm(x2), Cm(y2));
}

// Headed with the group the page's lines belong to.
void Ctr_ArdoinePrivate::Entete_Page(const std::string& groupe) {
    imprimante::Imprimante& imprimante = Imprimante_Courante();
    imprimante.FontName("Courier New");
    imprimante.FontSize(10);
    imprimante.FontBold(false);
    imprimante.FontItalic(false);
    imprimante.FontUnderline(false);
    imprimante.FontStrikethru(false);
    imprimante.Print("");
    imprimante.Print("");
    const QDate aujourdhui = Services.calendrier->Aujourdhui();
    imprimante.Print("Date : " + aujourdhui.toString(QStringLiteral("dd/MM/yyyy")).toStdString() +
                     Espaces(65) + "Page : " + std::to_string(Etat.copie.page));
    imprimante.Print("");
    imprimante.Print("");
    imprimante.FontSize(14);
    imprimante.FontBold(true);
    imprimante.Print(Espaces(20) + "LISTE DES ACCORDS NON RENOUVELES");
    imprimante.Print(Espaces(30) + "SUR " + Etat.criteres.periode.toStdString());
    imprimante.FontBold(false);
    imprimante.FontSize(10);
    imprimante.Print("");
    imprimante.Print("");
    switch (Etat.criteres.regroupement) {
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
void Ctr_ArdoinePrivate::Bloc_Responsable(const std::string& responsable) {
    Lire_Enregistrement(Module.Fic_Responsable, responsable, Module.Enr_Responsable);
    const dba::Enregistrement& fiche = *Module.Enr_Responsable;
    imprimante::Imprimante& imprimante = Imprimante_Courante();
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

void Ctr_ArdoinePrivate::Bloc_Secteur(const std::string& secteur) {
    Lire_Enregistrement(Module.Fic_Secteur, secteur, Module.Enr_Secteur);
    Imprimante_Courante().Print("Secteur     : " + (*Module.Enr_Secteur)(1));
}

void Ctr_ArdoinePrivate::Bloc_Commune(const std::string& commune) {
    Imprimante_Courante().Print("Commune     : " + commune);
}

// The table header stands at the same place on every page, whatever the block above it.
void Ctr_ArdoinePrivate::Entete_Tableau() {
    imprimante::Imprimante& imprimante = Imprimante_Courante();
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
    Etat.copie.ligne = 0;
}

// A full page makes way: the line in hand becomes the first line of the next page, headed with
// its group. Returns where the line went.
ardoine::PlacementLigne Ctr_ArdoinePrivate::Verif_Ligne(const rapport::LigneListe& ligne) {
    if (Etat.copie.ligne >= LignesParPage) {
        New_Page(ligne.groupe);
    }
    Imprime_Detail(ligne);
    return {Etat.copie.page, Etat.copie.ligne};
}

void Ctr_ArdoinePrivate::New_Page(const std::string& groupe) {
    Edition_Fin_Tableau();
    Etat.copie.ligne = 0;
    ++Etat.copie.page;
    Imprimante_Courante().NewPage();
    Entete_Page(groupe);
}

// Code, name, funding body and end date of the line, in columns that line up under the
// titles. The columns are counted in characters of a fixed-pitch font, so the line is printed
// as one text, just as its four fields would print one after the other.
void Ctr_ArdoinePrivate::Imprime_Detail(const rapport::LigneListe& champs) {
    const std::string ligne = champs.codeAide + " " +
                              ardoine::Colonne_Ajustee(champs.nom + " " + champs.prenom, 32, 34) +
                              ardoine::Colonne_Ajustee(champs.organisme, 39, 41) +
                              ardoine::Date_Fin_Imprimable(champs.fin);
    imprimante::Imprimante& imprimante = Imprimante_Courante();
    imprimante.CurrentX(Cm(0.1));
    imprimante.Print(ligne);
    Etat.ligneImprimee = true;
    ++Etat.copie.ligne;
}

// The frame's height comes from the line count, two lines of margin included; the text itself
// is not measured.
void Ctr_ArdoinePrivate::Edition_Fin_Tableau() {
    Etat.copie.ligne += 2;
    const double bas = 0.39 * static_cast<double>(Etat.copie.ligne) + 6.5;
    imprimante::Imprimante& imprimante = Imprimante_Courante();
    imprimante.DrawWidth(3);
    Tracer(0, 6.5, 0, bas);
    Tracer(19.6, 6.5, 19.6, bas);
    Tracer(0, bas, 19.6, bas);
    imprimante.DrawWidth(1);
    Tracer(1.3, 6.5, 1.3, bas);
    Tracer(8.3, 6.5, 8.3, bas);
    Tracer(17, 6.5, 17, bas);
}
