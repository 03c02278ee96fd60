#include "Explication.h"

#include "dba/Requete.h"
#include "dba/TheDatabase.h"

namespace rapport {

void RecueilDecisions::Debut_Groupe(const std::string& /*groupe*/) {}

void RecueilDecisions::Ligne(const LigneListe& /*ligne*/) {}

void RecueilDecisions::Decision(const DecisionAccord& decision) {
    if (decision.cle.starts_with(aide_)) {
        decisions_[decision.cle] = decision;
    }
}

void RecueilDecisions::Fin_Liste() {}

namespace {

dba::ListeResultat Selectionner(dba::TheDatabase& base, const std::string& phrase,
                                const std::string& colonnes) {
    dba::Requete requete;
    requete.definir(1, phrase);
    requete.definir(2, "ACCORD");
    requete.definir(3, colonnes);
    std::string sortie;
    dba::ListeResultat resultat;
    base.ExecuterSelection(requete.texte(), std::string(), sortie, resultat);
    return resultat;
}

std::string Valeurs(const dba::ListeResultat& resultat) {
    std::string valeurs;
    const int nombre = resultat.DCount() == 0 ? 0 : resultat.DCount(1);
    for (int valeur = 1; valeur <= nombre; ++valeur) {
        valeurs += (valeur > 1 ? ", " : "") + resultat(1, valeur);
    }
    return valeurs;
}

ConditionExaminee Examiner(dba::TheDatabase& base, const std::string& cle,
                           const PartieSelection& condition) {
    const std::string seule = "SSELECT ACCORD AVEC 0 = \"" + cle + "\"";
    ConditionExaminee examen{condition, Valeurs(Selectionner(base, seule, condition.attribut)),
                             false};
    examen.verifiee =
        !Selectionner(base, seule + " AND AVEC " + Texte_Condition(condition), "0")(1).empty();
    return examen;
}

bool Sur_Date_De_Fin(const PartieSelection& partie) {
    return partie.attribut == "6";
}

}  // namespace

Explication Expliquer(dba::TheDatabase& base, const std::string& aide, const std::string& accord,
                      const std::string& periode, const std::vector<PartieSelection>& parties,
                      const RecueilDecisions& recueil) {
    Explication explication{
        aide,
        periode,
        {},
        NomsAttributs::Lire(base, {"ACCORD", "ORGPRISECHARGE", "DEMANDACC", "CIVILAIDE"})};
    const std::string filtre = accord.empty() ? aide + "]" : accord;
    const dba::ListeResultat accords =
        Selectionner(base, "SSELECT ACCORD AVEC 0 = \"" + filtre + "\"", "0 5 6");
    for (int rang = 1; rang <= accords.DCount(); ++rang) {
        ExplicationAccord examen{
            accords(rang, 1), accords(rang, 2), accords(rang, 3), {}, true, true, std::nullopt};
        for (const PartieSelection& partie : parties) {
            if (partie.genre != PartieSelection::Genre::Condition) {
                continue;
            }
            const ConditionExaminee condition = Examiner(base, examen.cle, partie);
            examen.selectionne = examen.selectionne && condition.verifiee;
            if (Sur_Date_De_Fin(partie)) {
                examen.dansLeMois = examen.dansLeMois && condition.verifiee;
            }
            examen.conditions.push_back(condition);
        }
        const auto decision = recueil.Decisions().find(examen.cle);
        if (decision != recueil.Decisions().end()) {
            examen.decision = decision->second;
        }
        explication.accords.push_back(std::move(examen));
    }
    return explication;
}

std::string Verdict(const ExplicationAccord& accord) {
    if (!accord.dansLeMois) {
        return "non imprimé : l'accord ne se termine pas dans le mois";
    }
    if (!accord.selectionne) {
        return "non imprimé : écarté par la phrase de sélection";
    }
    if (!accord.decision) {
        return "non imprimé : non examiné par l'impression";
    }
    const DecisionAccord& decision = *accord.decision;
    if (decision.renouvele) {
        return "non imprimé : renouvelé";
    }
    if (decision.couvert) {
        return "non imprimé : couvert par une demande de renouvellement";
    }
    if (!decision.visible) {
        return "non imprimé : aidé caché par les droits de l'utilisateur";
    }
    return "imprimé page " + std::to_string(decision.page) + ", ligne " +
           std::to_string(decision.numeroLigne);
}

}  // namespace rapport
