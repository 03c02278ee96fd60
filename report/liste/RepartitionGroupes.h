#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DestinationListe.h"

namespace rapport {

// Splits the walks of a run by group: each group gets a destination of its own, made when its
// first line comes, that sees exactly what a walk limited to that group would send it: the
// group begun once per walk, its lines in their order, the decision of each of its lines, and
// the end of every walk. The destinations stay until the run ends, so a group that comes back
// (in the next walk, or later in the same one) goes on in the same destination. A decision
// without a line belongs to no group and goes nowhere.
template <class Destination>
class RepartitionGroupes : public DestinationListe {
  public:
    using Fabrique = std::function<std::unique_ptr<Destination>(const std::string& groupe)>;

    struct Groupe {
        std::string code;
        std::unique_ptr<Destination> destination;
    };

    explicit RepartitionGroupes(Fabrique fabrique) : fabrique_(std::move(fabrique)) {}

    void Debut_Groupe(const std::string& groupe) override {
        courante_ = &Destination_Du_Groupe(groupe);
        if (commencesCeParcours_.insert(groupe).second) {
            courante_->Debut_Groupe(groupe);
        }
    }

    void Ligne(const LigneListe& ligne) override { courante_->Ligne(ligne); }

    void Decision(const DecisionAccord& decision) override {
        if (decision.Listee() && courante_ != nullptr) {
            courante_->Decision(decision);
        }
    }

    void Fin_Liste() override {
        for (Groupe& groupe : groupes_) {
            groupe.destination->Fin_Liste();
        }
        commencesCeParcours_.clear();
        courante_ = nullptr;
    }

    // The groups that had a line, in the order their first lines came.
    const std::vector<Groupe>& Groupes() const { return groupes_; }

  private:
    Destination& Destination_Du_Groupe(const std::string& groupe) {
        const auto [rang, nouveau] = rangs_.emplace(groupe, groupes_.size());
        if (nouveau) {
            groupes_.push_back(Groupe{groupe, fabrique_(groupe)});
        }
        return *groupes_[rang->second].destination;
    }

    Fabrique fabrique_;
    std::vector<Groupe> groupes_;
    std::map<std::string, std::size_t> rangs_;
    std::set<std::string> commencesCeParcours_;
    Destination* courante_ = nullptr;
};

}  // namespace rapport
