#pragma once

#include "Aide.h"
#include "ChaineAccords.h"
#include "DonneesReference.h"

namespace demogen {

// Makes the aided persons one by one: names, commune, manager, sector and agreements.
class FabriqueAides {
  public:
    FabriqueAides(const Referentiel& referentiel, const DonneesReference& donnees,
                  const TailleDemo& taille, Hasard& hasard);

    Aide aide(int numero) const;

  private:
    const Entite& entite() const;
    std::string commune(const Entite& entite) const;
    std::string nom(bool compose) const;
    std::string prenom(bool compose) const;
    std::string secteur() const;

    const Referentiel& referentiel_;
    const DonneesReference& donnees_;
    Hasard& hasard_;
    ChaineAccords chaine_;
};

}  // namespace demogen
