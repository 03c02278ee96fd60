#include "ChaineAccords.h"

#include <algorithm>

#include "JourInterne.h"

namespace demogen {

namespace {

// Chances in per mille.
constexpr int ChanceCloture = 15;
constexpr int ChanceSortie = 6;
constexpr int ChanceAutreOrganisme = 100;

std::vector<int> poidsDesSuites() {
    return {700, 70, 40, 40, 30, 60, 20, 15, 5};
}

}  // namespace

ChaineAccords::ChaineAccords(const Referentiel& referentiel, const TailleDemo& taille,
                             Hasard& hasard)
    : referentiel_(referentiel),
      taille_(taille),
      hasard_(hasard),
      debutFenetre_(premierJourDuMois(taille.premiereAnnee, taille.premierMois)),
      finFenetre_(premierJourDuMois(taille.premiereAnnee, taille.premierMois + taille.nombreMois) -
                  1) {
    for (const auto& d : taille.durees) {
        poidsDurees_.push_back(d.poids);
        poidsPremiereDuree_.push_back(d.poids * d.mois);
    }
}

void ChaineAccords::remplir(Aide& aide) const {
    const auto& entite = *std::find_if(referentiel_.entites.begin(), referentiel_.entites.end(),
                                       [&](const Entite& e) { return e.code == aide.entite; });
    const std::string activite = aide.entite + hasard_.choisir(entite.activites).code;
    const Organismes organismes = organismesPour(entite, activite);
    Accord accord = premierAccord(*hasard_.choisir(organismes.soins), activite);
    while (true) {
        if (hasard_.pourMille(ChanceCloture)) {
            accord.cloture = "R";
        }
        aide.accords.push_back(accord);
        if (hasard_.pourMille(ChanceSortie)) {
            aide.sortie = accord.fin + hasard_.entre(0, 20);
            return;
        }
        Accord prochain = suivant(accord, suite(), organismes, aide);
        if (prochain.fin > finFenetre_) {
            return;
        }
        accord = std::move(prochain);
    }
}

bool ChaineAccords::Organismes::financeLesSoins(const std::string& code) const {
    return std::ranges::any_of(soins, [&](const Organisme* o) { return o->code == code; });
}

ChaineAccords::Organismes ChaineAccords::organismesPour(const Entite& entite,
                                                        const std::string& activite) const {
    return {
        referentiel_.organismesDe(entite,
                                  [&](const Organisme& o) {
                                      return o.financeLesSoins() && o.fermeture == 0 &&
                                             std::ranges::find(o.activites, activite) !=
                                                 o.activites.end();
                                  }),
        referentiel_.organismesDe(entite, [](const Organisme& o) { return o.type != "P"; }),
        referentiel_.organismesDe(
            entite, [](const Organisme& o) { return o.type == "P" && o.statut == "0"; }),
    };
}

// The first agreement runs across the window's first day. Long agreements are more likely to
// do so, in proportion to their length; with its start drawn evenly over that length, the end
// dates of all persons spread evenly from the window's first day on, as in a file kept for
// years.
Accord ChaineAccords::premierAccord(const Organisme& organisme, const std::string& activite) const {
    const int mois = taille_.durees[hasard_.selonPoids(poidsPremiereDuree_)].mois;
    const int longueur = dernierJourApresMois(debutFenetre_, mois) - debutFenetre_ + 1;
    const int debut = debutFenetre_ - hasard_.entre(0, longueur - 1);
    return {1, organisme.code, activite, debut, dernierJourApresMois(debut, mois), "", ""};
}

int ChaineAccords::duree() const {
    return taille_.durees[hasard_.selonPoids(poidsDurees_)].mois;
}

ChaineAccords::Suite ChaineAccords::suite() const {
    static const std::vector<int> poids = poidsDesSuites();
    return static_cast<Suite>(hasard_.selonPoids(poids));
}

Accord ChaineAccords::suivant(const Accord& accord, Suite suite, const Organismes& organismes,
                              Aide& aide) const {
    const int lendemain = accord.fin + 1;
    Accord prochain{accord.numero + 1, accord.organisme, accord.activite, lendemain, 0, "", ""};
    // After a body that does not fund care, the person goes back to one that does.
    if (!organismes.financeLesSoins(accord.organisme) || hasard_.pourMille(ChanceAutreOrganisme)) {
        prochain.organisme = hasard_.choisir(organismes.soins)->code;
    }
    switch (suite) {
        case Suite::Renouvellement:
            break;
        case Suite::Interruption:
            prochain.debut += hasard_.entre(1, 90);
            break;
        case Suite::MarqueO:
            prochain.marque = "O";
            break;
        case Suite::AutreType:
            prochain.organisme = hasard_.choisir(organismes.autresTypes)->code;
            break;
        case Suite::StatutZero:
            prochain.organisme = hasard_.choisir(organismes.statutZero)->code;
            break;
        case Suite::DemandeCouvrante:
            ajouterDemande(aide, *hasard_.choisir(organismes.soins), lendemain);
            prochain.debut += hasard_.entre(15, 75);
            break;
        case Suite::DemandeNonP:
            ajouterDemande(aide, *hasard_.choisir(organismes.autresTypes), lendemain);
            prochain.debut += hasard_.entre(2, 60);
            break;
        case Suite::DemandeEchue:
            aide.demandes.push_back(
                {accord.organisme, accord.debut - hasard_.entre(20, 60), accord.debut, accord.fin});
            prochain.debut += hasard_.entre(2, 60);
            break;
        case Suite::TrouNumero:
            prochain.numero += 1;
            break;
    }
    prochain.fin = dernierJourApresMois(prochain.debut, duree());
    return prochain;
}

// A request line whose period contains `lendemain`: around it, starting on it or ending on it.
void ChaineAccords::ajouterDemande(Aide& aide, const Organisme& organisme, int lendemain) const {
    int debut = lendemain - hasard_.entre(1, 30);
    int fin = dernierJourApresMois(debut, hasard_.pourMille(500) ? 6 : 12);
    switch (hasard_.entre(0, 3)) {
        case 0:
            debut = lendemain;
            fin = dernierJourApresMois(debut, 6);
            break;
        case 1:
            debut = lendemain - hasard_.entre(30, 90);
            fin = lendemain;
            break;
        default:
            break;
    }
    aide.demandes.push_back(
        {organisme.code, std::min(debut, lendemain) - hasard_.entre(5, 45), debut, fin});
}

}  // namespace demogen
