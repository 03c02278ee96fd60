#include <nlohmann/json.hpp>

#include "Explication.h"

// The explanation written for other programs, as JSON.

namespace rapport {

namespace {

nlohmann::json Json_Decision(const DecisionAccord& decision) {
    nlohmann::json suivants = nlohmann::json::array();
    for (const AccordSuivant& s : decision.suivants) {
        suivants.push_back({{"accord", s.cle},
                            {"debut", s.debut},
                            {"debuteLeLendemain", s.debuteLeLendemain},
                            {"marque", s.marque},
                            {"organisme", s.organisme},
                            {"organismeLu", s.organismeLu},
                            {"typeOrganisme", s.typeOrganisme},
                            {"statutOrganisme", s.statutOrganisme},
                            {"renouvelle", s.renouvelle}});
    }
    nlohmann::json demande = nlohmann::json::array();
    for (const LigneDemandeExaminee& l : decision.demande) {
        demande.push_back({{"ligne", l.numero},
                           {"organisme", l.organisme},
                           {"debut", l.debut},
                           {"fin", l.fin},
                           {"contientLendemain", l.contientLendemain},
                           {"organismeLu", l.organismeLu},
                           {"typeOrganisme", l.typeOrganisme},
                           {"couvre", l.couvre}});
    }
    return {{"lendemain", decision.lendemain ? nlohmann::json(*decision.lendemain) : nullptr},
            {"suivants", suivants},
            {"renouvele", decision.renouvele},
            {"demandeLue", decision.demandeLue},
            {"demande", demande},
            {"couvert", decision.couvert},
            {"aideExamine", decision.aideExamine},
            {"aideLu", decision.aideLu},
            {"secteur", decision.secteur},
            {"visible", decision.visible},
            {"page", decision.page},
            {"ligne", decision.numeroLigne}};
}

}  // namespace

std::string Json_Explication(const Explication& explication,
                             const std::function<std::string(const std::string&)>& date) {
    nlohmann::json accords = nlohmann::json::array();
    for (const ExplicationAccord& accord : explication.accords) {
        nlohmann::json conditions = nlohmann::json::array();
        for (const ConditionExaminee& c : accord.conditions) {
            conditions.push_back(
                {{"condition", Texte_Condition(c.condition)},
                 {"attribut", explication.noms.Nom("ACCORD", c.condition.attribut)},
                 {"valeurTrouvee", c.valeurTrouvee},
                 {"verifiee", c.verifiee},
                 {"constat", Constat(c, explication.noms, date)}});
        }
        accords.push_back(
            {{"accord", accord.cle},
             {"debut", accord.debut},
             {"fin", accord.fin},
             {"dansLeMois", accord.dansLeMois},
             {"conditions", conditions},
             {"selectionne", accord.selectionne},
             {"decision", accord.decision ? Json_Decision(*accord.decision) : nullptr},
             {"imprime", accord.decision && accord.decision->Listee()},
             {"verdict", Verdict(accord)}});
    }
    return nlohmann::json{
        {"aide", explication.aide}, {"periode", explication.periode}, {"accords", accords}}
        .dump(2);
}

}  // namespace rapport
