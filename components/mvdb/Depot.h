#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Mode.h"
#include "Sqlite.h"

namespace mvdb {

using IdFichier = std::int64_t;

// The SQLite file behind a database: the catalogue of files and their records, each record
// a key and the bytes of its dynamic array. Reads by key go through one prepared statement
// per file, kept for the life of the connection.
class Depot {
  public:
    static Depot creer(const std::string& chemin);
    static Depot ouvrir(const std::string& chemin, Mode mode);

    Connexion& connexion() { return connexion_; }
    const Connexion& connexion() const { return connexion_; }
    // Raises ErrStockage when the database was opened read-only.
    void exigerEcriture() const;

    std::optional<IdFichier> chercherFichier(std::string_view nom) const;
    // Raises ErrFichierInconnu.
    IdFichier fichier(const std::string& nom) const;
    std::vector<std::string> fichiers() const;
    // Creates the file and its dictionary when missing; "DICT F" also creates F.
    IdFichier creerFichier(const std::string& nom);

    std::optional<std::string> lire(IdFichier fichier, std::string_view cle) const;
    // Every record of the file in key order.
    void parcourir(
        IdFichier fichier,
        const std::function<void(std::string_view cle, std::string_view donnees)>& traiter) const;

  private:
    Depot(Connexion connexion, Mode mode);
    IdFichier inscrireFichier(const std::string& nom);

    Connexion connexion_;
    Mode mode_;
    mutable std::map<IdFichier, Instruction> lecteurs_;
};

// The name of the dictionary of a file.
std::string nomDictionnaire(const std::string& fichier);

}  // namespace mvdb
