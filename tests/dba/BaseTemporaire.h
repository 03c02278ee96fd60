#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dba/Erreur.h"
#include "dba/Requete.h"
#include "mvdb/Base.h"

// A new database in its own temporary folder, removed with it.
class BaseTemporaire {
  public:
    BaseTemporaire();
    ~BaseTemporaire();
    BaseTemporaire(const BaseTemporaire&) = delete;
    BaseTemporaire& operator=(const BaseTemporaire&) = delete;

    const std::string& chemin() const { return chemin_; }
    mvdb::Base& base() { return base_; }
    // Imports JSON Lines given as one text.
    void importer(const std::string& lignes);
    std::string exporter() const;

  private:
    std::filesystem::path dossier_;
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

// The rows of a result as readable text: rows joined by " | ", columns by ",", subvalues
// by "/".
std::string lisible(const dba::ListeResultat& liste);

// The keys a sentence selects, in order.
std::vector<std::string> cles(mvdb::Base& base, const std::string& phrase);

// The error an operation raises; number 0 when it raises none.
dba::Erreur erreurDe(const std::function<void()>& operation);
