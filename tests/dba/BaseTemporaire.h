#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dba/Erreur.h"
#include "dba/Requete.h"
#include "mvdb/Base.h"

// Where the tests of this process keep their databases: a SQLite file in a temporary
// folder, or, when ARDOINE_TEST_SERVEUR gives the connection string of a test cluster, a
// new database on that server. The same tests thus run against both stores.
class LieuEssai {
  public:
    // fichiers: SQLite files whatever the environment says.
    explicit LieuEssai(bool fichiers = false);
    ~LieuEssai();
    LieuEssai(const LieuEssai&) = delete;
    LieuEssai& operator=(const LieuEssai&) = delete;

    // A name under the given short name: a file path that does not exist yet, or a new
    // empty database on the server.
    std::string nom(const std::string& court) const;
    bool surServeur() const { return !serveur_.empty(); }
    // Runs a statement as the cluster's superuser on the named server database.
    void administrer(const std::string& base, const std::string& sql) const;

  private:
    std::filesystem::path dossier_;
    std::string serveur_;
    std::string prefixe_;
    mutable std::vector<std::string> creees_;
};

// A new database in its own temporary place, removed with it.
class BaseTemporaire {
  public:
    // fichier: a SQLite file whatever the environment says, for what only files can show.
    explicit BaseTemporaire(bool fichier = false);
    ~BaseTemporaire();
    BaseTemporaire(const BaseTemporaire&) = delete;
    BaseTemporaire& operator=(const BaseTemporaire&) = delete;

    const std::string& chemin() const { return chemin_; }
    bool surServeur() const { return lieu_.surServeur(); }
    // The name of another database beside this one, not created.
    std::string autreBase(const std::string& court) const { return lieu_.nom(court); }
    const LieuEssai& lieu() const { return lieu_; }
    mvdb::Base& base() { return base_; }
    // Imports JSON Lines given as one text.
    void importer(const std::string& lignes);
    std::string exporter() const;

  private:
    LieuEssai lieu_;
    std::string chemin_;
    mvdb::Base base_;
};

// One interchange line, attributes 1 to n given as texts.
std::string ligneJson(const std::string& fichier, const std::string& cle,
                      const std::vector<std::string>& attributs);
// The same with attribute a (from 1) set to the paired text, every other attribute empty.
std::string ligneJson(const std::string& fichier, const std::string& cle,
                      const std::vector<std::pair<int, std::string>>& attributs);
// A dictionary item of file F: type, definition and justification.
std::string itemJson(const std::string& fichier, const std::string& nom, const std::string& type,
                     const std::string& definition, const std::string& justification = "L");

// Letters drawn at random, always the same: a text the server cannot compress, as a
// repeated letter would be.
std::string texteAuHasard(std::size_t longueur);

// The rows of a result as readable text: rows joined by " | ", columns by ",", subvalues
// by "/".
std::string lisible(const dba::ListeResultat& liste);

// The keys a sentence selects, in order.
std::vector<std::string> cles(mvdb::Base& base, const std::string& phrase);

// The error an operation raises; number 0 when it raises none.
dba::Erreur erreurDe(const std::function<void()>& operation);
