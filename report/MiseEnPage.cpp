#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "printer/Imprimante.h"

// The printed list: page header with its group block, boxed table header, detail lines and
// the closing of the frame. Columns are counted in characters of the fixed-pitch body font;
// positions are centimetres turned into twips by Unite_Cm.

namespace {

constexpr int LignesParPage = 51;
// The labels of the group blocks are 14 characters long, so every value starts in column 15.
const std::string RetraitBloc(14, ' ');

std::string Espaces(std::size_t nombre) {
    return std::string(nombre, ' ');
}

}  // namespace

double Ctr_ArdoinePrivate::Cm(double centimetres) const {
    return Unite_Cm * centimetres;
}

void Ctr_ArdoinePrivate::Tracer(double x1, double y1, double x2, double y2) {
    Imprimante_Courante().Line(Cm(x1), Cm(y1), Cm(x2), Cm(y2));
}

// Headed with the group of the current row's person, which the page's lines belong to.
void Ctr_ArdoinePrivate::Entete_Page() {
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
                     Espaces(65) + "Page : " + std::to_string(Num_Page));
    imprimante.Print("");
    imprimante.Print("");
    imprimante.FontSize(14);
    imprimante.FontBold(true);
    imprimante.Print(Espaces(20) + "LISTE DES ACCORDS NON RENOUVELES");
    imprimante.Print(Espaces(30) + "SUR " + Txt_Periode->text().toStdString());
    imprimante.FontBold(false);
    imprimante.FontSize(10);
    imprimante.Print("");
    imprimante.Print("");
    Lire_Aide();
    if (Opt_Responsable->isChecked()) {
        Bloc_Responsable();
    } else if (Opt_Secteur->isChecked()) {
        Bloc_Secteur();
    } else {
        Bloc_Commune();
    }
    Entete_Tableau();
}

// The manager's name, then the address lines that are not empty, then the postcode and town.
void Ctr_ArdoinePrivate::Bloc_Responsable() {
    Groupe_Courant = (*Module.Enr_CivilAide)(39);
    Lire_Enregistrement(Module.Fic_Responsable, Groupe_Courant, Module.Enr_Responsable);
    const dba::Enregistrement& responsable = *Module.Enr_Responsable;
    imprimante::Imprimante& imprimante = Imprimante_Courante();
    imprimante.Print("Responsable : " + responsable(1));
    std::string adresse;
    for (int attribut = 2; attribut <= 5; ++attribut) {
        if (!responsable(attribut).empty()) {
            adresse += responsable(attribut) + " ";
        }
    }
    if (!adresse.empty()) {
        imprimante.Print(RetraitBloc + adresse);
    }
    if (!responsable(6).empty()) {
        imprimante.Print(RetraitBloc + responsable(6));
    }
    imprimante.Print(RetraitBloc + responsable(7) + " " + responsable(8));
}

void Ctr_ArdoinePrivate::Bloc_Secteur() {
    Groupe_Courant = Secteur_Aide(*Module.Enr_CivilAide);
    Lire_Enregistrement(Module.Fic_Secteur, Groupe_Courant, Module.Enr_Secteur);
    Imprimante_Courante().Print("Secteur     : " + (*Module.Enr_Secteur)(1));
}

void Ctr_ArdoinePrivate::Bloc_Commune() {
    Groupe_Courant = (*Module.Enr_CivilAide)(11);
    Imprimante_Courante().Print("Commune     : " + Groupe_Courant);
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
    Num_Ligne = 0;
}

// A full page makes way: the agreement in hand becomes the first line of the next page.
void Ctr_ArdoinePrivate::Verif_Ligne() {
    if (Num_Ligne >= LignesParPage) {
        New_Page();
    }
    Imprime_Detail();
}

void Ctr_ArdoinePrivate::New_Page() {
    Edition_Fin_Tableau();
    Num_Ligne = 0;
    ++Num_Page;
    Imprimante_Courante().NewPage();
    Entete_Page();
}

// Code, name, funding body and end date of the line the walk decided, in columns that line
// up under the titles. The columns are counted in characters of a fixed-pitch font, so the
// line is printed as one text, just as its four fields would print one after the other.
void Ctr_ArdoinePrivate::Imprime_Detail() {
    const rapport::LigneListe& champs = Decision_Courante.ligne;
    const std::string ligne = champs.codeAide + " " +
                              ardoine::Colonne_Ajustee(champs.nom + " " + champs.prenom, 32, 34) +
                              ardoine::Colonne_Ajustee(champs.organisme, 39, 41) +
                              ardoine::Date_Fin_Imprimable(champs.fin);
    imprimante::Imprimante& imprimante = Imprimante_Courante();
    imprimante.CurrentX(Cm(0.1));
    imprimante.Print(ligne);
    Ligne_Imprimee = true;
    ++Num_Ligne;
}

// The frame's height comes from the line count, two lines of margin included; the text itself
// is not measured.
void Ctr_ArdoinePrivate::Edition_Fin_Tableau() {
    Num_Ligne += 2;
    const double bas = 0.39 * static_cast<double>(Num_Ligne) + 6.5;
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
