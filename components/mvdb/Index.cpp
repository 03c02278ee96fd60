#include "Index.h"

#include "Dictionnaire.h"
#include "EntreesIndex.h"
#include "Transaction.h"
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

void declarerEtConstruire(Depot& depot, const std::string& fichier, const std::string& item) {
    const IdFichier id = depot.fichier(fichier);
    const int attribut = attributIndexable(depot, fichier, item);
    depot.declarer(id, item, attribut);
    construireIndex(depot, id, attribut);
}

bool estDeclare(const Depot& depot, IdFichier fichier, const std::string& item) {
    for (const DeclarationIndex& declaration : depot.declarations(fichier)) {
        if (declaration.nom == item) {
            return true;
        }
    }
    return false;
}

}  // namespace

void construireIndex(Depot& depot, IdFichier fichier, int attribut) {
    EntreesIndex entrees(depot);
    entrees.vider(fichier, attribut);
    depot.parcourir(fichier, [&](std::string_view cle, std::string_view donnees) {
        entrees.ajouter(fichier, attribut, cle, donnees);
    });
    entrees.envoyer();
}

std::set<int> attributsIndexes(const Depot& depot, IdFichier fichier) {
    std::set<int> attributs;
    for (const DeclarationIndex& declaration : depot.declarations(fichier)) {
        attributs.insert(declaration.attribut);
    }
    return attributs;
}

void declarerIndex(Depot& depot, const std::string& fichier, const std::string& item) {
    depot.exigerEcriture();
    Transaction transaction(depot, Transaction::Genre::Ecriture);
    declarerEtConstruire(depot, fichier, item);
    transaction.valider();
}

void reconstruireIndex(Depot& depot, const std::string& fichier, const std::string& item) {
    depot.exigerEcriture();
    Transaction transaction(depot, Transaction::Genre::Ecriture);
    if (!estDeclare(depot, depot.fichier(fichier), item)) {
        throw dba::Erreur(dba::ErrArgument,
                          "Aucun index « " + item + " » sur le fichier " + fichier + ".");
    }
    declarerEtConstruire(depot, fichier, item);
    transaction.valider();
}

std::vector<std::string> listerIndex(const Depot& depot, const std::string& fichier) {
    std::vector<std::string> noms;
    for (const DeclarationIndex& declaration : depot.declarations(depot.fichier(fichier))) {
        noms.push_back(declaration.nom);
    }
    return noms;
}

}  // namespace mvdb
