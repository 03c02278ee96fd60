#include "Base.h"

#include "Copie.h"
#include "Depot.h"
#include "Index.h"
#include "Interchange.h"
#include "Ouverture.h"
#include "Selection.h"
#include "Transaction.h"

namespace mvdb {

struct Base::Etat {
    Depot depot;
};

Base::Base(std::unique_ptr<Etat> etat) : etat_(std::move(etat)) {}
Base::Base(Base&&) noexcept = default;
Base& Base::operator=(Base&&) noexcept = default;
Base::~Base() = default;

Base Base::creer(const std::string& chemin, Creation creation) {
    return Base(std::make_unique<Etat>(Etat{Depot(creerStockage(chemin, creation))}));
}

Base Base::ouvrir(const std::string& chemin, Mode mode) {
    return Base(std::make_unique<Etat>(Etat{Depot(ouvrirStockage(chemin, mode))}));
}

void Base::mettreEnService() {
    etat_->depot.mettreEnService();
}

bool Base::existe() const {
    return etat_->depot.existe();
}

std::vector<std::string> Base::fichiers() const {
    return etat_->depot.fichiers();
}

void Base::creerFichier(const std::string& nom) {
    etat_->depot.exigerEcriture();
    Transaction transaction(etat_->depot, Transaction::Genre::Ecriture);
    etat_->depot.creerFichier(nom);
    transaction.valider();
}

std::optional<dba::Enregistrement> Base::lire(const std::string& fichier,
                                              const std::string& cle) const {
    const auto donnees = etat_->depot.lire(etat_->depot.fichier(fichier), cle);
    if (!donnees) {
        return std::nullopt;
    }
    return dba::Enregistrement(*donnees);
}

void Base::importer(std::istream& lignesJson) {
    mvdb::importer(etat_->depot, lignesJson);
}

void Base::exporter(std::ostream& lignesJson) const {
    mvdb::exporter(etat_->depot, lignesJson);
}

void Base::copierDans(Base& destination) const {
    copier(etat_->depot, destination.etat_->depot);
}

void Base::declarerIndex(const std::string& fichier, const std::string& item) {
    mvdb::declarerIndex(etat_->depot, fichier, item);
}

void Base::reconstruireIndex(const std::string& fichier, const std::string& item) {
    mvdb::reconstruireIndex(etat_->depot, fichier, item);
}

std::vector<std::string> Base::index(const std::string& fichier) const {
    return listerIndex(etat_->depot, fichier);
}

dba::ListeResultat Base::selectionner(const std::string& phrase,
                                      const std::string& attributs) const {
    return mvdb::selectionner(etat_->depot, phrase, attributs);
}

}  // namespace mvdb
