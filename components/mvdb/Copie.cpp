#include "Copie.h"

#include <set>

#include "EntreesIndex.h"
#include "Nombre.h"
#include "Transaction.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

void verifierCompte(const std::string& nom, std::int64_t lus, std::int64_t source,
                    std::int64_t destination) {
    if (lus != source || destination != source) {
        throw dba::Erreur(dba::ErrStockage,
                          "Copie du fichier " + nom + " incomplète : " + std::to_string(source) +
                              " enregistrements dans la source, " + std::to_string(lus) + " lus, " +
                              std::to_string(destination) +
                              " dans la destination. Rien n'est copié.");
    }
}

// The declarations come first and each record brings its entries as it passes: the
// destination is never read back, which on a server would fetch every record a second time.
void copierFichier(const Depot& source, Depot& destination, const std::string& nom) {
    const IdFichier de = source.fichier(nom);
    const IdFichier vers = destination.inscrireFichier(nom);
    std::set<int> attributs;
    for (const DeclarationIndex& declaration : source.declarations(de)) {
        destination.declarer(vers, declaration.nom, declaration.attribut);
        attributs.insert(declaration.attribut);
    }
    EntreesIndex entrees(destination);
    std::int64_t lus = 0;
    source.parcourir(de, [&](std::string_view cle, std::string_view donnees) {
        destination.ecrire(vers, cle, donnees, valeurSiNombre(cle));
        for (const int attribut : attributs) {
            entrees.ajouter(vers, attribut, cle, donnees);
        }
        ++lus;
    });
    entrees.envoyer();
    verifierCompte(nom, lus, source.compter(de), destination.compter(vers));
}

}  // namespace

void copier(const Depot& source, Depot& destination) {
    destination.exigerEcriture();
    Transaction lecture(source, Transaction::Genre::Lecture);
    Transaction ecriture(destination, Transaction::Genre::Ecriture);
    if (!destination.fichiers().empty()) {
        throw dba::Erreur(dba::ErrArgument,
                          "La base de destination n'est pas vide : la copie a besoin d'une "
                          "base nouvelle.");
    }
    for (const std::string& nom : source.fichiers()) {
        copierFichier(source, destination, nom);
    }
    ecriture.valider();
    lecture.valider();
}

}  // namespace mvdb
