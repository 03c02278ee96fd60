#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DestinationListe.h"

namespace rapport {

// A month of the schedule: its name ("JUIN 2026"), its column's ("06/26") and its lines.
struct MoisEcheancier {
    std::string periode;
    std::string abrege;
    std::int64_t lignes = 0;
};

// A group of the schedule, with its lines month by month, in the order of the months.
struct GroupeEcheancier {
    std::string code;
    std::string nom;
    std::vector<std::int64_t> parMois;
    std::int64_t total = 0;
};

// The lines of a range of months counted by month and by group, from the walks of the months
// one after the other; a month with no line counts 0.
class Echeancier : public DestinationListe {
  public:
    // `nomGroupe` names a group from its code.
    explicit Echeancier(std::function<std::string(const std::string&)> nomGroupe);
    Echeancier(const Echeancier&) = delete;
    Echeancier& operator=(const Echeancier&) = delete;
    // The group being counted stays where it is in the map, which moves whole.
    Echeancier(Echeancier&&) = default;
    Echeancier& operator=(Echeancier&&) = default;

    // The lines that follow are that month's, until the next month begins.
    void Debut_Mois(std::string periode, std::string abrege);

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const LigneListe& ligne) override;
    void Decision(const DecisionAccord& decision) override;
    void Fin_Liste() override;

    const std::vector<MoisEcheancier>& Mois() const { return mois_; }
    // The groups that have lines, by code.
    std::vector<GroupeEcheancier> Groupes() const;
    std::int64_t Total() const;

    // The same months with that group's lines alone: the schedule of that group's own file.
    Echeancier Du_Groupe(const std::string& code) const;

  private:
    std::function<std::string(const std::string&)> nomGroupe_;
    std::vector<MoisEcheancier> mois_;
    std::map<std::string, GroupeEcheancier> groupes_;
    GroupeEcheancier* courant_ = nullptr;
};

}  // namespace rapport
