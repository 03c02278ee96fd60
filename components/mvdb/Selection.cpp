#include "Selection.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "Comparaison.h"
#include "Critere.h"
#include "Dictionnaire.h"
#include "Index.h"
#include "Phrase.h"
#include "Plan.h"
#include "Transaction.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

using Attributs = std::vector<std::shared_ptr<const Attribut>>;

struct Ligne {
    std::string cle;
    std::string donnees;
    std::vector<std::string> tri;
};

// The compiled sentence: the file, its clauses (cheapest first), its sort items and columns.
struct Requete {
    IdFichier fichier = 0;
    std::vector<Critere> criteres;
    Attributs tris;
    Attributs colonnes;
};

std::shared_ptr<const Attribut> attributSitue(Dictionnaire& dictionnaire, const Nomme& nom) {
    try {
        return dictionnaire.attribut(nom.nom);
    } catch (const dba::Erreur& erreur) {
        echouerALaPosition(erreur.numero(), nom.position, erreur.texte());
    }
}

std::vector<Critere> compilerCriteres(Dictionnaire& dictionnaire, const Phrase& phrase) {
    std::vector<Critere> criteres;
    for (const ClausePhrase& clause : phrase.clauses) {
        criteres.push_back({attributSitue(dictionnaire, clause.attribut), clause.operateur,
                            clause.valeur, clause.prefixe});
    }
    // Plain attributes cost nothing to read; expressions may read other files.
    std::stable_partition(criteres.begin(), criteres.end(), [](const Critere& critere) {
        return critere.attribut->numero().has_value();
    });
    return criteres;
}

Attributs compilerColonnes(Dictionnaire& dictionnaire, std::string_view liste) {
    Attributs colonnes;
    try {
        for (const std::string_view nom : dba::decouper(liste, ' ')) {
            if (!nom.empty()) {
                colonnes.push_back(dictionnaire.attribut(std::string(nom)));
            }
        }
    } catch (const dba::Erreur& erreur) {
        throw dba::Erreur(erreur.numero(), "Liste des attributs : " + erreur.texte());
    }
    if (colonnes.empty()) {
        colonnes.push_back(dictionnaire.attribut("0"));
    }
    return colonnes;
}

// Every name the sentence and its list of attributes give, as written.
std::vector<std::string> nomsDeLaRequete(const Phrase& phrase, std::string_view attributs) {
    std::vector<std::string> noms;
    for (const ClausePhrase& clause : phrase.clauses) {
        noms.push_back(clause.attribut.nom);
    }
    for (const Nomme& tri : phrase.tris) {
        noms.push_back(tri.nom);
    }
    for (const std::string_view nom : dba::decouper(attributs, ' ')) {
        if (!nom.empty()) {
            noms.emplace_back(nom);
        }
    }
    return noms;
}

Requete compiler(const Depot& depot, const Phrase& phrase, std::string_view attributs) {
    Requete requete;
    const std::optional<IdFichier> fichier = depot.chercherFichier(phrase.fichier.nom);
    if (!fichier) {
        echouerALaPosition(dba::ErrFichierInconnu, phrase.fichier.position,
                           "le fichier « " + phrase.fichier.nom + " » n'existe pas.");
    }
    requete.fichier = *fichier;
    Dictionnaire dictionnaire(depot, phrase.fichier.nom);
    dictionnaire.annoncer(nomsDeLaRequete(phrase, attributs));
    requete.criteres = compilerCriteres(dictionnaire, phrase);
    for (const Nomme& tri : phrase.tris) {
        requete.tris.push_back(attributSitue(dictionnaire, tri));
    }
    requete.colonnes = compilerColonnes(dictionnaire, attributs);
    return requete;
}

bool retenu(const std::vector<Critere>& criteres, const EnregCourant& enreg, Contexte& contexte) {
    return std::all_of(criteres.begin(), criteres.end(), [&](const Critere& critere) {
        return satisfait(critere, critere.attribut->valeur(enreg, contexte));
    });
}

// Candidates go by batches: on a server, one grouped read brings a batch's records and one
// more the records their translations reach.
constexpr std::size_t TailleLot = 1000;
// Candidates read by key from a server come in batches large enough that a month's
// agreements are one: each batch costs two round trips, whatever it holds.
constexpr std::size_t TailleLotDistant = 20000;

// Checks the clauses on a batch of candidates and keeps those that hold.
class Filtre {
  public:
    Filtre(const Requete& requete, Contexte& contexte) : requete_(requete), contexte_(contexte) {}

    // Candidates one by one, checked by batches.
    void ajouter(std::string_view cle, std::string_view donnees) {
        lot_.push_back({std::string(cle), std::string(donnees), {}});
        if (lot_.size() == TailleLot) {
            verifier([] {});
        }
    }
    // A batch of candidates read by key, checked at once. `lecturesFaites` runs once the
    // records the clauses reach are read: the store is free then, and the next batch can be
    // asked for while the clauses are checked.
    void ajouterLot(const std::vector<std::string>& cles,
                    std::vector<std::optional<std::string>> donnees,
                    const std::function<void()>& lecturesFaites) {
        for (std::size_t i = 0; i < cles.size(); ++i) {
            if (donnees[i]) {
                lot_.push_back({cles[i], std::move(*donnees[i]), {}});
            }
        }
        verifier(lecturesFaites);
    }
    std::vector<Ligne> lignes() {
        verifier([] {});
        return std::move(retenues_);
    }

  private:
    void verifier(const std::function<void()>& lecturesFaites) {
        std::vector<bool> retenus;
        contexte_.evaluer(
            [&] {
                retenus.clear();
                for (const Ligne& ligne : lot_) {
                    retenus.push_back(
                        retenu(requete_.criteres, {ligne.cle, ligne.donnees}, contexte_));
                }
            },
            lecturesFaites);
        for (std::size_t i = 0; i < lot_.size(); ++i) {
            if (retenus[i]) {
                retenues_.push_back(std::move(lot_[i]));
            }
        }
        lot_.clear();
    }

    const Requete& requete_;
    Contexte& contexte_;
    std::vector<Ligne> lot_;
    std::vector<Ligne> retenues_;
};

// The candidates' records by batches; each batch is asked for while the one before is
// checked, so that on a server both sides work at once.
void lireCandidates(const Depot& depot, IdFichier fichier, const std::vector<std::string>& cles,
                    Filtre& filtre) {
    const std::size_t taille = depot.lecturesDistantes() ? TailleLotDistant : TailleLot;
    const auto lot = [&](std::size_t debut) {
        return std::vector<std::string>(
            cles.begin() + static_cast<std::ptrdiff_t>(debut),
            cles.begin() + static_cast<std::ptrdiff_t>(std::min(cles.size(), debut + taille)));
    };
    if (cles.empty()) {
        return;
    }
    auto demande = depot.demanderGroupe(fichier, lot(0));
    for (std::size_t debut = 0; debut < cles.size(); debut += taille) {
        auto donnees = demande->recevoir();
        filtre.ajouterLot(lot(debut), std::move(donnees), [&] {
            if (debut + taille < cles.size()) {
                demande = depot.demanderGroupe(fichier, lot(debut + taille));
            }
        });
    }
}

std::vector<Ligne> selectionnerLignes(const Depot& depot, const Requete& requete,
                                      Contexte& contexte) {
    Filtre filtre(requete, contexte);
    const Plan plan = choisirPlan(requete.criteres, attributsIndexes(depot, requete.fichier));
    if (plan.source == Plan::Source::Parcours) {
        depot.parcourir(requete.fichier, [&](std::string_view cle, std::string_view donnees) {
            filtre.ajouter(cle, donnees);
        });
    } else {
        lireCandidates(depot, requete.fichier, clesCandidates(depot, requete.fichier, plan),
                       filtre);
    }
    return filtre.lignes();
}

// By each sort item in turn, then by key: the same order whatever the plan.
void trier(std::vector<Ligne>& lignes, const Attributs& tris, Contexte& contexte) {
    contexte.evaluer([&] {
        for (Ligne& ligne : lignes) {
            ligne.tri.clear();
            for (const auto& tri : tris) {
                ligne.tri.push_back(tri->valeur({ligne.cle, ligne.donnees}, contexte));
            }
        }
    });
    std::sort(lignes.begin(), lignes.end(), [&](const Ligne& a, const Ligne& b) {
        for (std::size_t i = 0; i < tris.size(); ++i) {
            if (const int c = comparerPourTri(a.tri[i], b.tri[i], tris[i]->alignerADroite())) {
                return c < 0;
            }
        }
        return a.cle < b.cle;
    });
}

// One row: a value per column; the values of a multi-valued column become its subvalues.
std::string rangee(const Ligne& ligne, const Attributs& colonnes, Contexte& contexte) {
    std::vector<std::string> valeurs;
    for (const auto& colonne : colonnes) {
        std::string valeur = colonne->valeur({ligne.cle, ligne.donnees}, contexte);
        std::replace(valeur.begin(), valeur.end(), dba::MarqueValeur, dba::MarqueSousValeur);
        valeurs.push_back(std::move(valeur));
    }
    return dba::joindre(valeurs, dba::MarqueValeur);
}

}  // namespace

dba::ListeResultat selectionner(const Depot& depot, std::string_view phrase,
                                std::string_view attributs) {
    const Phrase analysee = analyserPhrase(phrase);
    Transaction lecture(depot, Transaction::Genre::Lecture);
    const Requete requete = compiler(depot, analysee, attributs);
    Contexte contexte(depot);
    std::vector<Ligne> lignes = selectionnerLignes(depot, requete, contexte);
    trier(lignes, requete.tris, contexte);
    std::vector<std::string> rangees;
    contexte.evaluer([&] {
        rangees.clear();
        rangees.reserve(lignes.size());
        for (const Ligne& ligne : lignes) {
            rangees.push_back(rangee(ligne, requete.colonnes, contexte));
        }
    });
    lecture.valider();
    return dba::ListeResultat(std::move(rangees));
}

}  // namespace mvdb
