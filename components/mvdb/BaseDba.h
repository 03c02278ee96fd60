#pragma once

#include <memory>

#include "Depot.h"
#include "LecturesAnticipees.h"
#include "dba/TheDatabase.h"

namespace mvdb {

// dba::TheDatabase over one connection, as the control uses it.
class BaseDba : public dba::TheDatabase {
  public:
    explicit BaseDba(std::shared_ptr<Depot> depot)
        : depot_(std::move(depot)), anticipees_(std::make_shared<LecturesAnticipees>()) {}

    std::shared_ptr<dba::Fichier> OuvrirFichier(const std::string& nom) override;
    void ExecuterSelection(const std::string& requete, const std::string& vide, std::string& sortie,
                           dba::ListeResultat& resultat) override;
    dba::VueLecture FigerLecture() override;

  private:
    std::shared_ptr<Depot> depot_;
    std::shared_ptr<LecturesAnticipees> anticipees_;
};

// One file of the connection; its reads go through the statement the connection keeps for
// that file.
class FichierDba : public dba::Fichier {
  public:
    FichierDba(std::shared_ptr<Depot> depot, std::shared_ptr<LecturesAnticipees> anticipees,
               std::string nom, IdFichier id)
        : depot_(std::move(depot)),
          anticipees_(std::move(anticipees)),
          nom_(std::move(nom)),
          id_(id) {}

    dba::Enregistrement LireEnreg(const std::string& cle) override;
    bool ChercherEnreg(const std::string& cle, dba::Enregistrement& enregistrement) override;
    void Prelire(const std::vector<std::string>& cles) override;

  private:
    std::shared_ptr<Depot> depot_;
    std::shared_ptr<LecturesAnticipees> anticipees_;
    std::string nom_;
    IdFichier id_;
};

}  // namespace mvdb
