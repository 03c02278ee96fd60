#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QDate>

#include "DestinationListe.h"
#include "EcritureTableau.h"

namespace rapport {

// What the table files say above the lines: the title, the month and the criteria of the run.
struct EnTeteListe {
    std::string periode;
    std::string entite;
    std::string activite;
    // "Responsable", "Secteur" or "Commune".
    std::string regroupement;
    // The one group the list is limited to; empty: every group.
    std::string groupe;
    std::string organisme;
    std::string utilisateur;
    // Several months: the period reads "DE MAI 2018 A JUILLET 2018" rather than one month.
    bool plusieursMois = false;
};

// The criteria of the heading as labels and values, "toutes" or "tous" for those not limited.
std::vector<std::pair<std::string, std::string>> Criteres_En_Tete(const EnTeteListe& enTete);

struct LigneTableau {
    std::string codeGroupe;
    std::string nomGroupe;
    std::string codeAide;
    std::string nomPrenom;
    std::string organisme;
    // Invalid when the stored value was no day: the cell stays empty.
    QDate fin;
};

struct GroupeTableau {
    std::string code;
    std::string nom;
    int lignes = 0;
};

// The list as table rows, in the order of the walk (month after month for a range), each
// handed to the table file's writer as it comes, with the count of lines of each group in the
// order the groups first come. The writer is opened by the first row: an empty list opens no
// file.
class TableauListe : public DestinationListe {
  public:
    using Ouverture = std::function<std::unique_ptr<EcritureTableau>(const EnTeteListe&)>;

    // `nomGroupe` names a group from its code; `dateFin` turns a stored day number to its
    // date; `ouvrir` opens the writer of the rows.
    TableauListe(EnTeteListe enTete, std::function<std::string(const std::string&)> nomGroupe,
                 std::function<QDate(const std::string&)> dateFin, Ouverture ouvrir);

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const LigneListe& ligne) override;
    void Decision(const DecisionAccord& decision) override;
    void Fin_Liste() override;

    // The file complete, with the schedule when one is given; a list with rows only.
    void Terminer(const Echeancier* echeancier) const;

    const EnTeteListe& EnTete() const { return enTete_; }
    bool Vide() const { return ecriture_ == nullptr; }
    const std::vector<GroupeTableau>& Groupes() const { return groupes_; }

  private:
    EnTeteListe enTete_;
    std::function<std::string(const std::string&)> nomGroupe_;
    std::function<QDate(const std::string&)> dateFin_;
    Ouverture ouvrir_;
    std::unique_ptr<EcritureTableau> ecriture_;
    std::vector<GroupeTableau> groupes_;
    // Where each group stands in groups_, and the group of the lines that come.
    std::unordered_map<std::string, std::size_t> rangs_;
    std::size_t courant_ = 0;
};

// The column titles of both table files; the last two are left empty for the office's own
// follow-up.
const std::vector<std::string>& Colonnes_Tableau();
// A row as the texts of its columns, the follow-up ones included, the end date "dd/mm/yyyy".
std::vector<std::string> Cellules(const LigneTableau& ligne);
// Where the end date stands among them.
inline constexpr std::size_t ColonneFin = 5;

}  // namespace rapport
