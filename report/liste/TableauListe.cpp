#include "TableauListe.h"

namespace rapport {

TableauListe::TableauListe(EnTeteListe enTete,
                           std::function<std::string(const std::string&)> nomGroupe,
                           std::function<std::string(const std::string&)> dateExterne)
    : enTete_(std::move(enTete)),
      nomGroupe_(std::move(nomGroupe)),
      dateExterne_(std::move(dateExterne)) {}

// The list is sorted by group, or limited to one: a group never comes back.
void TableauListe::Debut_Groupe(const std::string& groupe) {
    groupes_.push_back(GroupeTableau{groupe, nomGroupe_(groupe), 0});
}

void TableauListe::Ligne(const LigneListe& ligne) {
    GroupeTableau& groupe = groupes_.back();
    ++groupe.lignes;
    lignes_.push_back(LigneTableau{groupe.code, groupe.nom, ligne.codeAide,
                                   ligne.nom + " " + ligne.prenom, ligne.organisme,
                                   dateExterne_(ligne.fin)});
}

void TableauListe::Decision(const DecisionAccord& /*decision*/) {}

void TableauListe::Fin_Liste() {}

const std::vector<std::string>& Colonnes_Tableau() {
    static const std::vector<std::string> colonnes{"Code groupe",
                                                   "Groupe",
                                                   "Code aidé",
                                                   "Nom prénom aidé",
                                                   "Organisme de prise en charge",
                                                   "Fin accord",
                                                   "Relancé le",
                                                   "Observations"};
    return colonnes;
}

std::vector<std::string> Cellules(const LigneTableau& ligne) {
    return {ligne.codeGroupe,
            ligne.nomGroupe,
            ligne.codeAide,
            ligne.nomPrenom,
            ligne.organisme,
            ligne.fin,
            "",
            ""};
}

}  // namespace rapport
