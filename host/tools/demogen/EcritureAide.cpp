#include "EcritureAide.h"

#include "Codes.h"
#include "LigneJsonl.h"

namespace demogen {

namespace {

using Liste = nlohmann::ordered_json;

void ecrireCivilAide(const Aide& aide, std::string& lignes) {
    LigneJsonl ligne("CIVILAIDE", aide.code);
    ligne.definir(2, aide.nom).definir(3, aide.prenom).definir(11, aide.commune);
    if (aide.sortie != 0) {
        ligne.definir(25, aide.sortie);
    }
    ligne.definir(39, aide.responsable).definir(40, aide.secteur).ajouterA(lignes);
}

void ecrireAccord(const Aide& aide, const Accord& accord, std::string& lignes) {
    LigneJsonl ligne("ACCORD", aide.code + codeNumerique(accord.numero, 3));
    ligne.definir(1, accord.organisme).definir(2, aide.entite).definir(3, accord.activite);
    ligne.definir(5, accord.debut).definir(6, accord.fin);
    ligne.definir(18, accord.marque).definir(20, accord.cloture).ajouterA(lignes);
}

// One request record per person, its lines as parallel values.
void ecrireDemandes(const Aide& aide, std::string& lignes) {
    Liste organismes = Liste::array(), dates = Liste::array(), debuts = Liste::array(),
          fins = Liste::array();
    for (const auto& d : aide.demandes) {
        organismes.push_back(d.organisme);
        dates.push_back(d.date);
        debuts.push_back(d.debut);
        fins.push_back(d.fin);
    }
    LigneJsonl("DEMANDACC", aide.code)
        .definir(1, organismes)
        .definir(2, dates)
        .definir(3, debuts)
        .definir(4, fins)
        .ajouterA(lignes);
}

}  // namespace

void ecrireAide(const Aide& aide, std::string& lignes) {
    ecrireCivilAide(aide, lignes);
    for (const auto& accord : aide.accords) {
        ecrireAccord(aide, accord, lignes);
    }
    if (!aide.demandes.empty()) {
        ecrireDemandes(aide, lignes);
    }
}

}  // namespace demogen
