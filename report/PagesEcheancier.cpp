#include "PagesEcheancier.h"

#include <algorithm>

#include "EnTetePage.h"
#include "TexteRapport.h"
#include "printer/Imprimante.h"

namespace rapport {

namespace {

using imprimante::Twips;

constexpr double TaillePage = 10;
constexpr double TailleTitre = 14;
constexpr double TailleTableau = 8;
constexpr double TailleGraphique = 7;
constexpr Twips Largeur = 19.6 * imprimante::TwipsParCm;
constexpr Twips Bas = 27.5 * imprimante::TwipsParCm;
constexpr Twips HauteurGraphique = 5.5 * imprimante::TwipsParCm;
constexpr Twips HauteurBarres = 3.8 * imprimante::TwipsParCm;
constexpr Twips DemiLargeurBarreMaximum = 0.6 * imprimante::TwipsParCm;
constexpr Twips RetraitTableau = 0.1 * imprimante::TwipsParCm;
constexpr std::size_t MoisParBande = 12;
constexpr int LargeurGroupe = 30;
constexpr int LargeurMois = 6;
constexpr int LargeurTotal = 8;

// A printer that only holds what is drawn: the pages are taken from it, never sent.
class Brouillon final : public imprimante::Imprimante {
  protected:
    void Envoyer(const imprimante::PagesImprimees& /*pages*/) override {}
    void Abandonner(const imprimante::PagesImprimees& /*pages*/) override {}
};

std::string Espaces(int nombre) {
    return std::string(static_cast<std::size_t>(std::max(nombre, 0)), ' ');
}

// The text at the right of a column of that many characters.
std::string A_Droite(const std::string& texte, int largeur) {
    return Espaces(largeur - imprimante::nombreCaracteres(texte)) + texte;
}

// The text in the middle of the page's width at that size.
std::string Centre(const std::string& texte, double taille) {
    const auto colonnes = static_cast<int>(Largeur / imprimante::avanceCaractere(taille));
    return Espaces((colonnes - imprimante::nombreCaracteres(texte)) / 2) + texte;
}

class Dessin {
  public:
    Dessin(const Echeancier& echeancier, const EnTeteListe& enTete, const QDate& aujourdhui)
        : echeancier_(echeancier),
          enTete_(enTete),
          aujourdhui_(aujourdhui),
          groupes_(echeancier.Groupes()) {}

    imprimante::Document Pages() {
        Entete_Page();
        Criteres();
        Graphique();
        const std::size_t mois = echeancier_.Mois().size();
        for (std::size_t premier = 0; premier < mois; premier += MoisParBande) {
            Bande(premier, std::min(mois, premier + MoisParBande));
        }
        return imprimante_.DocumentEnCours();
    }

  private:
    void Police(double taille, bool gras) {
        imprimante_.FontName("Courier New");
        imprimante_.FontSize(taille);
        imprimante_.FontBold(gras);
    }

    void Entete_Page() {
        Police(TaillePage, false);
        Ecrire_Date_Et_Page(imprimante_, aujourdhui_, imprimante_.Page());
        Police(TailleTitre, true);
        imprimante_.Print(Centre("ECHEANCIER", TailleTitre));
        imprimante_.Print(Centre(enTete_.periode, TailleTitre));
        Police(TaillePage, false);
        imprimante_.Print("");
    }

    void Criteres() {
        for (const auto& [libelle, valeur] : Criteres_En_Tete(enTete_)) {
            if (libelle != "Mois") {
                imprimante_.Print(libelle + " : " + valeur);
            }
        }
        imprimante_.Print("");
        Police(TaillePage, true);
        imprimante_.Print("Total : " + std::to_string(echeancier_.Total()) +
                          " accords non renouvelés");
        Police(TaillePage, false);
        imprimante_.Print("");
    }

    void Texte(Twips x, Twips y, const std::string& texte) {
        imprimante_.CurrentX(x);
        imprimante_.CurrentY(y);
        imprimante_.Print(texte);
    }

    void Boite(Twips gauche, Twips haut, Twips droite, Twips bas) {
        imprimante_.Line(gauche, haut, droite, haut);
        imprimante_.Line(droite, haut, droite, bas);
        imprimante_.Line(droite, bas, gauche, bas);
        imprimante_.Line(gauche, bas, gauche, haut);
    }

    // One bar per month on a common base line, its count above it and its month below; the
    // tallest bar is the month with the most lines.
    void Graphique() {
        Police(TaillePage, true);
        imprimante_.Print("Accords non renouvelés par mois");
        Police(TailleGraphique, false);
        const Twips haut = imprimante_.CurrentY();
        const Twips base = haut + HauteurBarres + imprimante::hauteurLigne(TailleGraphique) * 2;
        const auto& mois = echeancier_.Mois();
        std::int64_t maximum = 1;
        for (const MoisEcheancier& m : mois) {
            maximum = std::max(maximum, m.lignes);
        }
        const Twips pas = Largeur / static_cast<double>(mois.size());
        const Twips avance = imprimante::avanceCaractere(TailleGraphique);
        for (std::size_t rang = 0; rang < mois.size(); ++rang) {
            const Twips milieu = pas * (static_cast<double>(rang) + 0.5);
            const Twips hauteur = HauteurBarres * static_cast<double>(mois[rang].lignes) /
                                  static_cast<double>(maximum);
            imprimante_.DrawWidth(3);
            const Twips demiLargeur = std::min(pas * 0.3, DemiLargeurBarreMaximum);
            Boite(milieu - demiLargeur, base - hauteur, milieu + demiLargeur, base);
            const std::string nombre = std::to_string(mois[rang].lignes);
            const std::string& abrege = mois[rang].abrege;
            Texte(milieu - avance * static_cast<double>(nombre.size()) / 2,
                  base - hauteur - imprimante::hauteurLigne(TailleGraphique), nombre);
            Texte(milieu - avance * static_cast<double>(abrege.size()) / 2,
                  base + imprimante::hauteurLigne(TailleGraphique) / 4, abrege);
        }
        imprimante_.DrawWidth(1);
        imprimante_.Line(0, base, Largeur, base);
        imprimante_.CurrentX(0);
        imprimante_.CurrentY(haut + HauteurGraphique);
    }

    // The groups' lines for the months [premier, fin), the range's totals with the last band.
    void Bande(std::size_t premier, std::size_t fin) {
        const bool derniere = fin == echeancier_.Mois().size();
        Police(TailleTableau, false);
        if (imprimante_.CurrentY() + 4 * imprimante::hauteurLigne(TailleTableau) > Bas) {
            Nouvelle_Page();
        }
        Titres(premier, fin, derniere);
        for (const GroupeEcheancier& groupe : groupes_) {
            Ligne(ardoine::Colonne_Ajustee(groupe.code + " " + groupe.nom, LargeurGroupe - 1,
                                           LargeurGroupe),
                  groupe.parMois, groupe.total, premier, fin, derniere);
        }
        std::vector<std::int64_t> parMois;
        for (const MoisEcheancier& mois : echeancier_.Mois()) {
            parMois.push_back(mois.lignes);
        }
        Trait();
        Ligne(ardoine::Colonne_Ajustee("TOTAL", LargeurGroupe - 1, LargeurGroupe), parMois,
              echeancier_.Total(), premier, fin, derniere);
        imprimante_.Print("");
        titres_ = {};
    }

    void Titres(std::size_t premier, std::size_t fin, bool derniere) {
        std::string titres =
            ardoine::Colonne_Ajustee(enTete_.regroupement, LargeurGroupe - 1, LargeurGroupe);
        for (std::size_t rang = premier; rang < fin; ++rang) {
            titres += A_Droite(echeancier_.Mois()[rang].abrege, LargeurMois);
        }
        if (derniere) {
            titres += A_Droite("TOTAL", LargeurTotal);
        }
        titres_ = titres;
        Police(TailleTableau, true);
        Imprimer_Ligne(titres);
        Police(TailleTableau, false);
        Trait();
    }

    void Ligne(const std::string& libelle, const std::vector<std::int64_t>& parMois,
               std::int64_t total, std::size_t premier, std::size_t fin, bool derniere) {
        std::string ligne = libelle;
        for (std::size_t rang = premier; rang < fin; ++rang) {
            ligne += A_Droite(std::to_string(parMois[rang]), LargeurMois);
        }
        if (derniere) {
            ligne += A_Droite(std::to_string(total), LargeurTotal);
        }
        if (imprimante_.CurrentY() + imprimante::hauteurLigne(TailleTableau) > Bas) {
            Nouvelle_Page();
            Police(TailleTableau, true);
            Imprimer_Ligne(titres_);
            Police(TailleTableau, false);
            Trait();
        }
        Imprimer_Ligne(ligne);
    }

    void Imprimer_Ligne(const std::string& ligne) {
        imprimante_.CurrentX(RetraitTableau);
        imprimante_.Print(ligne);
    }

    // A rule under the line just printed, as wide as the table.
    void Trait() {
        const Twips y = imprimante_.CurrentY();
        const Twips fin = RetraitTableau + imprimante::largeurTexte(titres_, TailleTableau);
        imprimante_.DrawWidth(1);
        imprimante_.Line(RetraitTableau, y, fin, y);
        imprimante_.CurrentX(0);
        imprimante_.CurrentY(y + imprimante::hauteurLigne(TailleTableau) / 4);
    }

    void Nouvelle_Page() {
        imprimante_.NewPage();
        Entete_Page();
        Police(TailleTableau, false);
    }

    const Echeancier& echeancier_;
    const EnTeteListe& enTete_;
    QDate aujourdhui_;
    std::vector<GroupeEcheancier> groupes_;
    std::string titres_;
    Brouillon imprimante_;
};

}  // namespace

imprimante::Document Pages_Echeancier(const Echeancier& echeancier, const EnTeteListe& enTete,
                                      const QDate& aujourdhui) {
    return Dessin(echeancier, enTete, aujourdhui).Pages();
}

}  // namespace rapport
