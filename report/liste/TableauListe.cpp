#include "TableauListe.h"

#include <stdexcept>

namespace rapport {

TableauListe::TableauListe(EnTeteListe enTete,
                           std::function<std::string(const std::string&)> nomGroupe,
                           std::function<QDate(const std::string&)> dateFin, Ouverture ouvrir)
    : enTete_(std::move(enTete)),
      nomGroupe_(std::move(nomGroupe)),
      dateFin_(std::move(dateFin)),
      ouvrir_(std::move(ouvrir)) {}

// A month's list is sorted by group, or limited to one; a group comes back only with the next
// month of a range, and its lines add to its count.
void TableauListe::Debut_Groupe(const std::string& groupe) {
    const auto [place, nouveau] = rangs_.try_emplace(groupe, groupes_.size());
    if (nouveau) {
        groupes_.push_back(GroupeTableau{groupe, nomGroupe_(groupe), 0});
    }
    courant_ = place->second;
}

void TableauListe::Ligne(const LigneListe& ligne) {
    GroupeTableau& groupe = groupes_.at(courant_);
    ++groupe.lignes;
    if (!ecriture_) {
        ecriture_ = ouvrir_(enTete_);
    }
    ecriture_->Ligne(LigneTableau{groupe.code, groupe.nom, ligne.codeAide,
                                  ligne.nom + " " + ligne.prenom, ligne.organisme,
                                  dateFin_(ligne.fin)});
}

void TableauListe::Decision(const DecisionAccord& /*decision*/) {}

void TableauListe::Fin_Liste() {}

void TableauListe::Terminer(const Echeancier* echeancier) const {
    if (!ecriture_) {
        throw std::logic_error("Tableau : aucune ligne à écrire");
    }
    ecriture_->Terminer(*this, echeancier);
}

std::vector<std::pair<std::string, std::string>> Criteres_En_Tete(const EnTeteListe& enTete) {
    return {{"Mois", enTete.periode},
            {"Entité juridique", enTete.entite},
            {"Activité", enTete.activite.empty() ? "toutes" : enTete.activite},
            {"Regroupement",
             enTete.regroupement + " : " + (enTete.groupe.empty() ? "tous" : enTete.groupe)},
            {"Organisme de prise en charge", enTete.organisme.empty() ? "tous" : enTete.organisme},
            {"Utilisateur", enTete.utilisateur}};
}

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
            ligne.fin.isValid() ? ligne.fin.toString(QStringLiteral("dd/MM/yyyy")).toStdString()
                                : std::string(),
            "",
            ""};
}

}  // namespace rapport
