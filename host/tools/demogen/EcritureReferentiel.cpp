#include "EcritureReferentiel.h"

#include "LigneJsonl.h"

namespace demogen {

namespace {

void ecrireEntite(const Entite& entite, std::string& lignes) {
    LigneJsonl("ASSOCIATION", entite.code).definir(1, entite.nom).ajouterA(lignes);
    for (const auto& activite : entite.activites) {
        LigneJsonl("ACTIVITES", entite.code + activite.code)
            .definir(1, activite.libelle)
            .ajouterA(lignes);
    }
}

void ecrireOrganisme(const Organisme& o, std::string& lignes) {
    LigneJsonl ligne("ORGPRISECHARGE", o.code);
    ligne.definir(1, o.sigle).definir(2, o.nom).definir(18, o.type).definir(20, o.statut);
    ligne.definir(46, o.entite).definir(47, o.activites);
    if (o.fermeture != 0) {
        ligne.definir(63, o.fermeture);
    }
    ligne.ajouterA(lignes);
    // A body without a record has no lead time: only the ones the office set are written.
    if (o.delai != 0) {
        LigneJsonl("DELAIORG", o.code).definir(1, o.delai).ajouterA(lignes);
    }
}

void ecrireResponsable(const Responsable& r, std::string& lignes) {
    LigneJsonl ligne("RESPONSABLE", r.code);
    ligne.definir(1, r.nom);
    for (int partie = 0; partie < 4; ++partie) {
        ligne.definir(2 + partie, r.adresse[static_cast<std::size_t>(partie)]);
    }
    ligne.definir(6, r.complement).definir(7, r.codePostal).definir(8, r.ville).ajouterA(lignes);
}

}  // namespace

void ecrireReferentiel(const Referentiel& referentiel, std::string& lignes) {
    for (const auto& entite : referentiel.entites) {
        ecrireEntite(entite, lignes);
    }
    for (const auto& organisme : referentiel.organismes) {
        ecrireOrganisme(organisme, lignes);
    }
    for (const auto& responsable : referentiel.responsables) {
        ecrireResponsable(responsable, lignes);
    }
    for (const auto& secteur : referentiel.secteurs) {
        LigneJsonl("SECTEUR", secteur.code).definir(1, secteur.nom).ajouterA(lignes);
    }
}

}  // namespace demogen
