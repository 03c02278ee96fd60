#include <nlohmann/json.hpp>

#include "Explication.h"

// The explanation written for people (French, rule by rule) and for programs (JSON).

namespace rapport {

namespace {

using Date = std::function<std::string(const std::string&)>;

std::string Entre(const std::string& texte) {
    return texte.empty() ? "(vide)" : "« " + texte + " »";
}

void Selection(std::string& texte, const ExplicationAccord& accord) {
    texte += "  1. Sélection par la phrase :\n";
    for (const ConditionExaminee& condition : accord.conditions) {
        texte += "     - " + Texte_Condition(condition.condition) + " : valeur trouvée " +
                 Entre(condition.valeurTrouvee) +
                 (condition.verifiee ? ", vérifiée\n" : ", NON vérifiée : l'accord est écarté\n");
    }
    texte += accord.selectionne ? "     => sélectionné\n" : "     => non sélectionné\n";
}

std::string Organisme(const std::string& code, bool lu) {
    return "organisme " + code + (lu ? "" : " (absent du fichier)");
}

void Renouvellement(std::string& texte, const DecisionAccord& decision, const Date& date) {
    texte += "  2. Renouvellement : un accord suivant débutant le " +
             (decision.lendemain ? date(std::to_string(*decision.lendemain)) : "(fin illisible)") +
             " (lendemain de la fin) ?\n";
    for (const AccordSuivant& suivant : decision.suivants) {
        texte += "     - accord " + suivant.cle + " débutant le " + date(suivant.debut);
        if (!suivant.debuteLeLendemain) {
            texte += " : pas le lendemain\n";
            continue;
        }
        texte += ", marque " + Entre(suivant.marque) + ", " +
                 Organisme(suivant.organisme, suivant.organismeLu) + " de type " +
                 Entre(suivant.typeOrganisme) + " et de statut " + Entre(suivant.statutOrganisme) +
                 (suivant.renouvelle ? " : renouvelle l'accord\n" : " : ne compte pas\n");
    }
    texte += decision.renouvele ? "     => renouvelé\n" : "     => non renouvelé\n";
}

void Demande(std::string& texte, const DecisionAccord& decision, const Date& date) {
    if (!decision.demandeExaminee) {
        return;
    }
    texte += "  3. Demande de renouvellement :";
    texte += decision.demandeLue ? "\n" : " aucune demande au fichier\n";
    for (const LigneDemandeExaminee& ligne : decision.demande) {
        texte += "     - ligne " + std::to_string(ligne.numero) + " : " +
                 Organisme(ligne.organisme, ligne.organismeLu || !ligne.contientLendemain) +
                 ", du " + date(ligne.debut) + " au " + date(ligne.fin);
        if (!ligne.contientLendemain) {
            texte += " : ne contient pas le lendemain\n";
            continue;
        }
        texte += ", organisme de type " + Entre(ligne.typeOrganisme) +
                 (ligne.couvre ? " : couvre l'accord\n" : " : ne couvre pas\n");
    }
    texte += decision.couvert ? "     => couvert\n" : "     => non couvert\n";
}

void Droits(std::string& texte, const DecisionAccord& decision) {
    if (!decision.aideExamine) {
        return;
    }
    texte += "  4. Droits de l'utilisateur : ";
    if (!decision.aideLu) {
        texte += "fiche de l'aidé absente du fichier, ";
    }
    texte += "secteur " + Entre(decision.secteur) +
             (decision.visible ? " visible\n" : " caché à l'utilisateur\n");
}

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

std::string Texte_Explication(const Explication& explication, const Date& date) {
    std::string texte = "Aidé " + explication.aide + ", liste de " + explication.periode + "\n";
    if (explication.accords.empty()) {
        texte += "Aucun accord au fichier.\n";
    }
    for (const ExplicationAccord& accord : explication.accords) {
        texte += "\nAccord " + accord.cle + " du " + date(accord.debut) + " au " +
                 date(accord.fin) + "\n";
        if (accord.dansLeMois) {
            Selection(texte, accord);
            if (accord.decision) {
                Renouvellement(texte, *accord.decision, date);
                Demande(texte, *accord.decision, date);
                Droits(texte, *accord.decision);
            }
        }
        texte += "  Verdict : " + Verdict(accord) + "\n";
    }
    return texte;
}

std::string Json_Explication(const Explication& explication) {
    nlohmann::json accords = nlohmann::json::array();
    for (const ExplicationAccord& accord : explication.accords) {
        nlohmann::json conditions = nlohmann::json::array();
        for (const ConditionExaminee& c : accord.conditions) {
            conditions.push_back({{"condition", Texte_Condition(c.condition)},
                                  {"valeurTrouvee", c.valeurTrouvee},
                                  {"verifiee", c.verifiee}});
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
