#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "DecisionAccord.h"
#include "DestinationListe.h"
#include "ExplicationNoms.h"
#include "PhraseSelection.h"

namespace dba {
class TheDatabase;
}

namespace rapport {

// A condition of the selection sentence tested alone on one agreement.
struct ConditionExaminee {
    PartieSelection condition;
    // The value the database finds for the condition's attribute, values joined by ", ".
    std::string valeurTrouvee;
    bool verifiee = false;
};

struct ExplicationAccord {
    std::string cle;
    std::string debut;
    std::string fin;
    std::vector<ConditionExaminee> conditions;
    // Both conditions on the end date hold.
    bool dansLeMois = false;
    bool selectionne = false;
    // The print run's decision; none when the run did not walk it.
    std::optional<DecisionAccord> decision;
};

// Why each agreement of one aided person is, or is not, on the list of a month.
struct Explication {
    std::string aide;
    std::string periode;
    std::vector<ExplicationAccord> accords;
    // The dictionaries' names of the attributes the conditions and the rules test.
    NomsAttributs noms;
};

// Keeps the decisions of the print run on the agreements of one person (keys starting with
// its code), as the walk sends them; a later copy replaces an earlier one's.
class RecueilDecisions : public DestinationListe {
  public:
    explicit RecueilDecisions(std::string aide) : aide_(std::move(aide)) {}

    void Debut_Groupe(const std::string& groupe) override;
    void Ligne(const LigneListe& ligne) override;
    void Decision(const DecisionAccord& decision) override;
    void Fin_Liste() override;

    const std::map<std::string, DecisionAccord>& Decisions() const { return decisions_; }

  private:
    std::string aide_;
    std::map<std::string, DecisionAccord> decisions_;
};

// The agreements of the person (all, or only `accord` when given), each tested against every
// condition of the sentence through the database itself, with the run's decisions joined.
Explication Expliquer(dba::TheDatabase& base, const std::string& aide, const std::string& accord,
                      const std::string& periode, const std::vector<PartieSelection>& parties,
                      const RecueilDecisions& recueil);

// The explanation in French, rule by rule: every condition that the selection and the
// decision test, each attribute by its dictionary name, and what holds or fails; `date` turns
// a day number to "dd/mm/yyyy" (the text itself when it is no date).
std::string Texte_Explication(const Explication& explication,
                              const std::function<std::string(const std::string&)>& date);
// The same for other programs, as JSON.
std::string Json_Explication(const Explication& explication,
                             const std::function<std::string(const std::string&)>& date);

// A condition of the sentence tested on one agreement, in plain French: what the attribute
// (by its meaning and its dictionary name) holds, against what the condition asks, as in "la
// date de fin de l'accord (DateFinAccord) est le 30/11/2026, avant le 01/12/2026".
std::string Constat(const ConditionExaminee& condition, const NomsAttributs& noms,
                    const std::function<std::string(const std::string&)>& date);

// "imprimé page 1, ligne 3" or "non imprimé", with the first rule that kept it off the list.
std::string Verdict(const ExplicationAccord& accord);

}  // namespace rapport
