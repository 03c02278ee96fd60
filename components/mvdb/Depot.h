#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Stockage.h"

namespace mvdb {

// The engine's one door to the store of a database: every read, write, transaction and
// catalogue change of the engine passes here, and no other engine code holds the Stockage.
// The rules the engine keeps over any store therefore sit here once (names and dictionaries,
// unknown files, a file inscribed once, index entries no declaration covers), and a store
// gives only its primitive operations; the rest is handed through unchanged.
class Depot {
  public:
    using Genre = Stockage::Genre;

    explicit Depot(std::unique_ptr<Stockage> stockage) : stockage_(std::move(stockage)) {}

    // The store is shared by every reader of the database, const or not: a read view opened
    // through a const Depot serves them all.
    void exigerEcriture() const { stockage_->exigerEcriture(); }
    bool transactionOuverte() const { return stockage_->transactionOuverte(); }
    void commencer(Genre genre) const {
        stockage_->commencer(genre);
        declarations_.clear();
        ecriture_ = genre == Genre::Ecriture;
    }
    void valider() const {
        declarations_.clear();
        stockage_->valider();
    }
    void annuler() const noexcept {
        stockage_->annuler();
        declarations_.clear();
        // A file inscribed by a cancelled write is gone with it; a read view, which ends by
        // being cancelled too, leaves the catalogue as it was.
        if (ecriture_) {
            ids_.clear();
            catalogueLu_ = false;
        }
    }
    void mettreEnService() { stockage_->mettreEnService(); }
    bool existe() const { return stockage_->existe(); }

    // The catalogue. A file once found keeps its id (a store never removes nor renumbers a
    // file). On a server the first lookup reads the whole catalogue, so that opening the
    // files and dictionaries of a program costs one round trip; a name it did not hold (a
    // file added since) is asked for alone.
    std::optional<IdFichier> chercherFichier(std::string_view nom) const;
    // Raises ErrFichierInconnu.
    IdFichier fichier(const std::string& nom) const;
    // Every name in byte order.
    std::vector<std::string> fichiers() const;
    // The file's id; adds the name to the catalogue when missing.
    IdFichier inscrireFichier(const std::string& nom);
    // Creates the file and its dictionary when missing; "DICT F" also creates F.
    IdFichier creerFichier(const std::string& nom);

    // Records.
    std::optional<std::string> lire(IdFichier fichier, std::string_view cle) const {
        return stockage_->lire(fichier, cle);
    }
    std::vector<std::optional<std::string>> lireGroupe(IdFichier fichier,
                                                       const std::vector<std::string>& cles) const {
        return stockage_->lireGroupe(fichier, cles);
    }
    std::vector<std::vector<std::optional<std::string>>> lireGroupes(
        const std::vector<GroupeCles>& groupes) const {
        return stockage_->lireGroupes(groupes);
    }
    std::unique_ptr<LectureDemandee> demanderGroupe(IdFichier fichier,
                                                    std::vector<std::string> cles) const {
        return stockage_->demanderGroupe(fichier, std::move(cles));
    }
    void parcourir(IdFichier fichier, const Stockage::Visiteur& traiter) const {
        stockage_->parcourir(fichier, traiter);
    }
    std::int64_t compter(IdFichier fichier) const { return stockage_->compter(fichier); }
    void ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                std::optional<double> nombre) {
        stockage_->ecrire(fichier, cle, donnees, nombre);
    }
    bool lecturesDistantes() const { return stockage_->lecturesDistantes(); }

    // Secondary indexes.
    // Inside a transaction, a file's declarations are asked for once: each selection of a run
    // needs them, and the transaction sees them unchanged unless it declares itself.
    std::vector<DeclarationIndex> declarations(IdFichier fichier) const;
    // Declares or redeclares, and drops the entries no declaration covers any more.
    void declarer(IdFichier fichier, const std::string& nom, int attribut);
    void viderEntrees(IdFichier fichier, int attribut) {
        stockage_->viderEntrees(fichier, attribut);
    }
    void ajouterEntree(const EntreeIndex& entree) { stockage_->ajouterEntree(entree); }
    void retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                       std::string_view valeur) {
        stockage_->retirerEntree(fichier, attribut, cle, valeur);
    }
    void chercher(IdFichier fichier, const Recherche& recherche,
                  std::vector<std::string>& cles) const {
        stockage_->chercher(fichier, recherche, cles);
    }
    void chercherEnsemble(IdFichier fichier, const std::vector<Recherche>& recherches,
                          std::vector<std::string>& cles) const {
        stockage_->chercherEnsemble(fichier, recherches, cles);
    }

  private:
    void retenir(const std::vector<FichierCatalogue>& catalogue) const;

    std::unique_ptr<Stockage> stockage_;
    mutable std::map<std::string, IdFichier, std::less<>> ids_;
    mutable std::map<IdFichier, std::vector<DeclarationIndex>> declarations_;
    mutable bool catalogueLu_ = false;
    // The open transaction writes.
    mutable bool ecriture_ = false;
};

// The name of the dictionary of a file.
std::string nomDictionnaire(const std::string& fichier);

}  // namespace mvdb
