#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "BaseTemporaire.h"

namespace dba {
class TheClient;
}

namespace essai {

// The files the control opens, in the order it opens them.
extern const std::vector<std::string> FichiersDuControle;

// One interchange line; attributs maps attribute numbers to their JSON value, the gaps are
// left empty.
std::string Ligne(const std::string& fichier, const std::string& cle,
                  const std::map<int, nlohmann::json>& attributs);

// A database of its own (a file in a temporary folder or a server database), with the ten files the
// control opens and DROITS (empty unless the lines fill them), removed with the object.
class BaseEssai {
  public:
    // motDePasse: a server database's client connects with that password in its connection
    // string (the test cluster trusts every local connection and never asks for it).
    explicit BaseEssai(const std::vector<std::string>& lignes, const std::string& motDePasse = "");
    ~BaseEssai();
    BaseEssai(const BaseEssai&) = delete;
    BaseEssai& operator=(const BaseEssai&) = delete;

    std::shared_ptr<dba::TheClient> Client() const { return client_; }
    // A file path, or a server database when the tests run against the server.
    const std::string& Chemin() const { return chemin_; }
    // Runs a statement as the cluster's superuser on the server database.
    void Administrer(const std::string& sql) const;

  private:
    LieuEssai lieu_;
    std::string chemin_;
    std::shared_ptr<dba::TheClient> client_;
};

// The rights of four logins: "admin" (level 2, every sector), "lecteur" (level 1, S01 and
// S02), "secteur1" (level 2, S01 only) and "autre" (rights for another module only).
std::vector<std::string> DroitsStandard();

// Two legal entities, two managers, two sectors, three aided persons in sectors S01, S02
// (written "S02X") and S03, and the standard rights.
std::vector<std::string> DonneesStandard();

}  // namespace essai
