#include "Index.h"

#include "Dictionnaire.h"
#include "EntreesIndex.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

int attributIndexable(const Depot& depot, const std::string& fichier, const std::string& item) {
    Dictionnaire dictionnaire(depot, fichier);
    const std::optional<int> numero = dictionnaire.attribut(item)->numero();
    if (!numero) {
        throw dba::Erreur(dba::ErrArgument,
                          "Seul un item D ou un numéro d'attribut peut être "
                          "indexé, pas « " +
                              item + " ».");
    }
    if (*numero == 0) {
        throw dba::Erreur(dba::ErrArgument, "La clé est toujours indexée : « " + item +
                                                " » ne peut pas l'être à nouveau.");
    }
    return *numero;
}

void construire(Depot& depot, IdFichier fichier, int attribut) {
    EntreesIndex entrees(depot.connexion());
    entrees.vider(fichier, attribut);
    depot.parcourir(fichier, [&](std::string_view cle, std::string_view donnees) {
        entrees.ajouter(fichier, attribut, cle, donnees);
    });
}

// The attribute a declaration names may have changed: drop what no declaration covers.
void purger(Depot& depot, IdFichier fichier) {
    Instruction purge = depot.connexion().preparer(
        "DELETE FROM entree WHERE fichier = ?1 AND attribut NOT IN "
        "(SELECT attribut FROM indexe WHERE fichier = ?1)");
    purge.lier(1, fichier);
    purge.avancer();
}

void declarerEtConstruire(Depot& depot, const std::string& fichier, const std::string& item) {
    const IdFichier id = depot.fichier(fichier);
    const int attribut = attributIndexable(depot, fichier, item);
    Instruction declaration = depot.connexion().preparer(
        "INSERT OR REPLACE INTO indexe(fichier, nom, attribut) VALUES (?1, ?2, ?3)");
    declaration.lier(1, id).lierTexte(2, item).lier(3, static_cast<std::int64_t>(attribut));
    declaration.avancer();
    purger(depot, id);
    construire(depot, id, attribut);
}

bool estDeclare(const Depot& depot, IdFichier fichier, const std::string& item) {
    Instruction recherche =
        depot.connexion().preparer("SELECT 1 FROM indexe WHERE fichier = ?1 AND nom = ?2");
    recherche.lier(1, fichier).lierTexte(2, item);
    return recherche.avancer();
}

}  // namespace

std::set<int> attributsIndexes(const Depot& depot, IdFichier fichier) {
    Instruction recherche =
        depot.connexion().preparer("SELECT DISTINCT attribut FROM indexe WHERE fichier = ?1");
    recherche.lier(1, fichier);
    std::set<int> attributs;
    while (recherche.avancer()) {
        attributs.insert(static_cast<int>(recherche.entier(0)));
    }
    return attributs;
}

void declarerIndex(Depot& depot, const std::string& fichier, const std::string& item) {
    depot.exigerEcriture();
    Transaction transaction(depot.connexion(), Transaction::Genre::Ecriture);
    declarerEtConstruire(depot, fichier, item);
    transaction.valider();
}

void reconstruireIndex(Depot& depot, const std::string& fichier, const std::string& item) {
    depot.exigerEcriture();
    Transaction transaction(depot.connexion(), Transaction::Genre::Ecriture);
    if (!estDeclare(depot, depot.fichier(fichier), item)) {
        throw dba::Erreur(dba::ErrArgument,
                          "Aucun index « " + item + " » sur le fichier " + fichier + ".");
    }
    declarerEtConstruire(depot, fichier, item);
    transaction.valider();
}

std::vector<std::string> listerIndex(const Depot& depot, const std::string& fichier) {
    Instruction recherche =
        depot.connexion().preparer("SELECT nom FROM indexe WHERE fichier = ?1 ORDER BY nom");
    recherche.lier(1, depot.fichier(fichier));
    std::vector<std::string> noms;
    while (recherche.avancer()) {
        noms.emplace_back(recherche.octets(0));
    }
    return noms;
}

}  // namespace mvdb
