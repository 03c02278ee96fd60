#include "Plan.h"

#include <algorithm>
#include <map>

#include "Nombre.h"

namespace mvdb {

namespace {

int portee(const Plan& plan) {
    if (plan.egal) {
        return 4;
    }
    if (plan.prefixe || (plan.minimum && plan.maximum)) {
        return 3;
    }
    if (plan.minimum || plan.maximum) {
        return 2;
    }
    return 0;
}

void retenirBorne(std::optional<std::string>& borne, const Critere& critere) {
    if (!borne) {
        borne = critere.valeur;
    }
}

void ajouterCritere(Plan& plan, const Critere& critere) {
    if (critere.operateur == Operateur::Egal) {
        // An empty prefix matches everything: no help.
        if (!critere.prefixe) {
            retenirBorne(plan.egal, critere);
        } else if (!critere.valeur.empty()) {
            retenirBorne(plan.prefixe, critere);
        }
    } else if (!critere.prefixe && critere.operateur == Operateur::SuperieurOuEgal) {
        retenirBorne(plan.minimum, critere);
    } else if (!critere.prefixe && critere.operateur == Operateur::InferieurOuEgal) {
        retenirBorne(plan.maximum, critere);
    }
}

// A numeric bound and a text bound select through different columns; keeping the lower one
// alone still gives a superset.
void accorderBornes(Plan& plan) {
    if (plan.minimum && plan.maximum && estNombre(*plan.minimum) != estNombre(*plan.maximum)) {
        plan.maximum.reset();
    }
}

// Builds one lookup of the plan's source, condition by condition.
class Construction {
  public:
    explicit Construction(const Plan& plan) {
        recherche_.surCle = plan.source == Plan::Source::Cle;
        recherche_.attribut = plan.attribut;
    }

    Construction& texte(Recherche::Comparateur comparateur, const std::string& valeur) {
        recherche_.conditions.push_back({Recherche::Colonne::Texte, comparateur, valeur});
        return *this;
    }
    Construction& nombre(Recherche::Comparateur comparateur, const std::string& valeur) {
        recherche_.conditions.push_back(
            {Recherche::Colonne::Nombre, comparateur, valeurApprochee(valeur)});
        return *this;
    }
    Construction& nonNumerique() {
        recherche_.nonNumerique = true;
        return *this;
    }
    Construction& plusieursValeurs() {
        recherche_.plusieursValeurs = true;
        return *this;
    }
    Recherche recherche() const { return recherche_; }

  private:
    Recherche recherche_;
};

using Comparateur = Recherche::Comparateur;

// The first text that no text beginning with the prefix reaches, if any.
std::optional<std::string> successeur(std::string prefixe) {
    while (!prefixe.empty() && static_cast<unsigned char>(prefixe.back()) == 0xFF) {
        prefixe.pop_back();
    }
    if (prefixe.empty()) {
        return std::nullopt;
    }
    prefixe.back() = static_cast<char>(static_cast<unsigned char>(prefixe.back()) + 1);
    return prefixe;
}

std::vector<Recherche> recherchesIntervalle(const Plan& plan) {
    const bool numerique = estNombre(plan.minimum.value_or(plan.maximum.value_or("")));
    std::vector<Recherche> recherches;
    // Text bounds compare every stored value as text; a number bound compares stored
    // numbers as numbers and every other stored value as text.
    Construction texte(plan);
    if (numerique) {
        Construction nombres(plan);
        if (plan.minimum) {
            nombres.nombre(Comparateur::AuMoins, *plan.minimum);
        }
        if (plan.maximum) {
            nombres.nombre(Comparateur::AuPlus, *plan.maximum);
        }
        recherches.push_back(nombres.recherche());
        texte.nonNumerique();
    }
    if (plan.minimum) {
        texte.texte(Comparateur::AuMoins, *plan.minimum);
    }
    if (plan.maximum) {
        texte.texte(Comparateur::AuPlus, *plan.maximum);
    }
    recherches.push_back(texte.recherche());
    // Each bound may hold through another value of a multi-valued record.
    if (plan.minimum && plan.maximum && plan.source == Plan::Source::Index) {
        recherches.push_back(Construction(plan).plusieursValeurs().recherche());
    }
    return recherches;
}

std::vector<Recherche> recherches(const Plan& plan) {
    std::vector<Recherche> resultat;
    if (plan.egal) {
        Construction egalite(plan);
        if (estNombre(*plan.egal)) {
            egalite.nombre(Comparateur::Egal, *plan.egal);
        } else {
            egalite.texte(Comparateur::Egal, *plan.egal);
        }
        resultat.push_back(egalite.recherche());
    } else if (plan.prefixe) {
        Construction debut(plan);
        debut.texte(Comparateur::AuMoins, *plan.prefixe);
        if (const auto fin = successeur(*plan.prefixe)) {
            debut.texte(Comparateur::Avant, *fin);
        }
        resultat.push_back(debut.recherche());
    } else {
        resultat = recherchesIntervalle(plan);
    }
    return resultat;
}

}  // namespace

Plan choisirPlan(const std::vector<Critere>& criteres, const std::set<int>& attributsIndexes) {
    // One plan per usable attribute, in the order the clauses first name them, built in one
    // pass however many clauses the sentence has.
    std::map<int, Plan> plans;
    std::vector<int> ordre;
    for (const Critere& critere : criteres) {
        const std::optional<int> numero = critere.attribut->numero();
        if (!numero || (*numero != 0 && !attributsIndexes.contains(*numero))) {
            continue;
        }
        auto [plan, nouveau] = plans.try_emplace(*numero);
        if (nouveau) {
            plan->second.source = *numero == 0 ? Plan::Source::Cle : Plan::Source::Index;
            plan->second.attribut = *numero;
            ordre.push_back(*numero);
        }
        ajouterCritere(plan->second, critere);
    }
    Plan meilleur;
    for (const int numero : ordre) {
        Plan& plan = plans.at(numero);
        accorderBornes(plan);
        if (portee(plan) > portee(meilleur)) {
            meilleur = plan;
        }
    }
    return meilleur;
}

std::vector<std::string> clesCandidates(const Depot& depot, IdFichier fichier, const Plan& plan) {
    std::vector<std::string> cles;
    depot.chercherEnsemble(fichier, recherches(plan), cles);
    std::sort(cles.begin(), cles.end());
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    return cles;
}

}  // namespace mvdb
