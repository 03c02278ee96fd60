#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Creation.h"
#include "Mode.h"
#include "dba/Requete.h"

namespace mvdb {

// One database: every file, its dictionary and its indexes, in a SQLite file or on a
// PostgreSQL server. `nom` is a file path or a server's connection string (NomBase.h).
// Every failure is raised as a dba::Erreur with a French text.
class Base {
  public:
    // A new empty database; raises ErrStockage when it already exists. One created for
    // loading (a file the caller fills alone under a provisional name) is written faster, and
    // is a database for others only once mettreEnService() has succeeded: until then a failed
    // or interrupted load leaves a file the caller must discard. On a server, one created for
    // loading is made by its first write, in that write's transaction (see existe()).
    static Base creer(const std::string& nom, Creation creation = Creation::Partagee);
    // Raises ErrStockage when the database is missing or is not one of ours.
    static Base ouvrir(const std::string& nom, Mode mode);

    Base(Base&&) noexcept;
    Base& operator=(Base&&) noexcept;
    ~Base();

    // Hands over a database created for loading; nothing for a shared one.
    void mettreEnService();
    // Whether a database created for loading may be found where it was named: a server's is
    // made with its first write and exists once that is committed (or its commit sent and
    // not answered), so that a load cut before leaves nothing to remove.
    bool existe() const;

    // File names in byte order, dictionaries ("DICT F") included.
    std::vector<std::string> fichiers() const;
    // Creates the file and its dictionary; does nothing when it exists.
    void creerFichier(const std::string& nom);
    // Raises ErrFichierInconnu for an unknown file; nothing when the key has no record.
    std::optional<dba::Enregistrement> lire(const std::string& fichier,
                                            const std::string& cle) const;

    // JSON Lines, one record per line, in one transaction: all or nothing. Creates the files
    // it meets and keeps their indexes up to date. Raises ErrImport "ligne N : raison".
    void importer(std::istream& lignesJson);
    // Files by name, records by key, every attribute as a string or a list of values.
    void exporter(std::ostream& lignesJson) const;

    // Copies this whole database into `destination`, a new empty database of either store,
    // all or nothing, the record counts checked file by file.
    void copierDans(Base& destination) const;

    // item: a D item of the file's dictionary or a bare attribute number. Builds the index.
    void declarerIndex(const std::string& fichier, const std::string& item);
    void reconstruireIndex(const std::string& fichier, const std::string& item);
    // The items indexed on the file, as declared.
    std::vector<std::string> index(const std::string& fichier) const;

    // Runs a sentence ("SSELECT ACCORD AVEC ... PAR ..."); attributs lists the columns of each
    // row ("0 6 1", numbers or item names, 0 is the key; empty: the key alone). One row per
    // selected record, its columns as values; a multi-valued column's values as subvalues.
    dba::ListeResultat selectionner(const std::string& phrase, const std::string& attributs) const;

  private:
    struct Etat;
    explicit Base(std::unique_ptr<Etat> etat);
    std::unique_ptr<Etat> etat_;
};

}  // namespace mvdb
