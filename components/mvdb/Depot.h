#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Stockage.h"

namespace mvdb {

// The engine's side of a store: the catalogue rules (names, dictionaries, unknown files)
// over whichever store keeps the database.
class Depot {
  public:
    explicit Depot(std::unique_ptr<Stockage> stockage) : stockage_(std::move(stockage)) {}

    // The store is shared by every reader of the database, const or not.
    Stockage& stockage() const { return *stockage_; }
    void exigerEcriture() const { stockage_->exigerEcriture(); }

    std::optional<IdFichier> chercherFichier(std::string_view nom) const {
        return stockage_->chercherFichier(nom);
    }
    // Raises ErrFichierInconnu.
    IdFichier fichier(const std::string& nom) const;
    std::vector<std::string> fichiers() const { return stockage_->fichiers(); }
    // Creates the file and its dictionary when missing; "DICT F" also creates F.
    IdFichier creerFichier(const std::string& nom);

    std::optional<std::string> lire(IdFichier fichier, std::string_view cle) const {
        return stockage_->lire(fichier, cle);
    }
    void parcourir(IdFichier fichier, const Stockage::Visiteur& traiter) const {
        stockage_->parcourir(fichier, traiter);
    }

  private:
    std::unique_ptr<Stockage> stockage_;
};

// The name of the dictionary of a file.
std::string nomDictionnaire(const std::string& fichier);

}  // namespace mvdb
