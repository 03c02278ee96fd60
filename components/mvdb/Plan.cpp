#include "Plan.h"

#include <algorithm>
#include <map>
#include <variant>

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

using Parametre = std::variant<std::string, double>;

// One lookup in the key or an index: conditions joined by AND, parameters from ?3 on.
class Recherche {
  public:
    explicit Recherche(const Plan& plan)
        : plan_(plan),
          colonne_(plan.source == Plan::Source::Cle ? "cle" : "texte"),
          table_(plan.source == Plan::Source::Cle ? "enreg" : "entree") {}

    void ajouter(const std::string& colonne, const char* operateur, Parametre parametre) {
        parametres_.push_back(std::move(parametre));
        conditions_ +=
            " AND " + colonne + " " + operateur + " ?" + std::to_string(parametres_.size() + 2);
    }
    void ajouterTexte(const char* operateur, const std::string& valeur) {
        ajouter(colonne_, operateur, valeur);
    }
    void ajouterNombre(const char* operateur, const std::string& valeur) {
        ajouter("num", operateur, valeurApprochee(valeur));
    }
    void exigerNonNumerique() { conditions_ += " AND num IS NULL"; }
    // Without statistics SQLite would walk every entry of the attribute rather than the few
    // flagged ones.
    void exigerPlusieursValeurs() {
        table_ = "entree INDEXED BY entree_multiple";
        conditions_ += " AND multiple = 1";
    }

    void executer(const Depot& depot, IdFichier fichier, std::vector<std::string>& cles) const {
        const bool surCle = plan_.source == Plan::Source::Cle;
        Instruction instruction =
            depot.connexion().preparer("SELECT cle FROM " + table_ + " WHERE fichier = ?1" +
                                       (surCle ? "" : " AND attribut = ?2") + conditions_);
        instruction.lier(1, fichier);
        if (!surCle) {
            instruction.lier(2, static_cast<std::int64_t>(plan_.attribut));
        }
        for (std::size_t i = 0; i < parametres_.size(); ++i) {
            lierParametre(instruction, static_cast<int>(i + 3), parametres_[i]);
        }
        while (instruction.avancer()) {
            cles.emplace_back(instruction.octets(0));
        }
    }

  private:
    static void lierParametre(Instruction& instruction, int rang, const Parametre& parametre) {
        if (const auto* texte = std::get_if<std::string>(&parametre)) {
            instruction.lierOctets(rang, *texte);
        } else {
            instruction.lier(rang, std::get<double>(parametre));
        }
    }

    const Plan& plan_;
    std::string colonne_;
    std::string table_;
    std::string conditions_;
    std::vector<Parametre> parametres_;
};

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
    Recherche texte(plan);
    if (numerique) {
        Recherche nombres(plan);
        if (plan.minimum) {
            nombres.ajouterNombre(">=", *plan.minimum);
        }
        if (plan.maximum) {
            nombres.ajouterNombre("<=", *plan.maximum);
        }
        recherches.push_back(std::move(nombres));
        texte.exigerNonNumerique();
    }
    if (plan.minimum) {
        texte.ajouterTexte(">=", *plan.minimum);
    }
    if (plan.maximum) {
        texte.ajouterTexte("<=", *plan.maximum);
    }
    recherches.push_back(std::move(texte));
    // Each bound may hold through another value of a multi-valued record.
    if (plan.minimum && plan.maximum && plan.source == Plan::Source::Index) {
        Recherche multiples(plan);
        multiples.exigerPlusieursValeurs();
        recherches.push_back(std::move(multiples));
    }
    return recherches;
}

std::vector<Recherche> recherches(const Plan& plan) {
    std::vector<Recherche> resultat;
    if (plan.egal) {
        Recherche recherche(plan);
        if (estNombre(*plan.egal)) {
            recherche.ajouterNombre("=", *plan.egal);
        } else {
            recherche.ajouterTexte("=", *plan.egal);
        }
        resultat.push_back(std::move(recherche));
    } else if (plan.prefixe) {
        Recherche recherche(plan);
        recherche.ajouterTexte(">=", *plan.prefixe);
        if (const auto fin = successeur(*plan.prefixe)) {
            recherche.ajouterTexte("<", *fin);
        }
        resultat.push_back(std::move(recherche));
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
    for (const Recherche& recherche : recherches(plan)) {
        recherche.executer(depot, fichier, cles);
    }
    std::sort(cles.begin(), cles.end());
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    return cles;
}

}  // namespace mvdb
