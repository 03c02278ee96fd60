#pragma once

#include <vector>

#include "Aide.h"
#include "Hasard.h"
#include "Referentiel.h"
#include "TailleDemo.h"

namespace demogen {

// Builds the agreements of one person, one after the other, so that their end dates fall
// evenly over the window, with the mix of follow-ups real files hold: mostly a renewal the
// next day, sometimes a gap, a follow-on that does not count, a covering request, a hole in
// the numbering, a closure or the person leaving.
class ChaineAccords {
  public:
    ChaineAccords(const Referentiel& referentiel, const TailleDemo& taille, Hasard& hasard);

    // Fills the agreements, requests and leaving day of a person whose entity is set.
    void remplir(Aide& aide) const;

  private:
    enum class Suite {
        Renouvellement,
        Interruption,
        MarqueO,
        AutreType,
        StatutZero,
        DemandeCouvrante,
        DemandeNonP,
        DemandeEchue,
        TrouNumero,
    };
    struct Organismes {
        std::vector<const Organisme*> soins;  // fund care for the person's activity
        std::vector<const Organisme*> autresTypes;
        std::vector<const Organisme*> statutZero;

        bool financeLesSoins(const std::string& code) const;
    };

    Organismes organismesPour(const Entite& entite, const std::string& activite) const;
    Accord premierAccord(const Organisme& organisme, const std::string& activite) const;
    int duree() const;
    Suite suite() const;
    Accord suivant(const Accord& accord, Suite suite, const Organismes& organismes,
                   Aide& aide) const;
    void ajouterDemande(Aide& aide, const Organisme& organisme, int lendemain) const;

    const Referentiel& referentiel_;
    const TailleDemo& taille_;
    Hasard& hasard_;
    int debutFenetre_;
    int finFenetre_;
    std::vector<int> poidsDurees_;
    std::vector<int> poidsPremiereDuree_;
};

}  // namespace demogen
