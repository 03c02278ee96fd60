#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dba/TheDatabase.h"

namespace essai {

// A database in front of a real one that writes down the sentence of every selection and
// makes chosen reads fail: the read of a key of a file raises the error number set for it,
// from its n-th read on.
class BasePiegee : public dba::TheDatabase {
  public:
    explicit BasePiegee(std::shared_ptr<dba::TheDatabase> reelle);

    std::shared_ptr<dba::Fichier> OuvrirFichier(const std::string& nom) override;
    void ExecuterSelection(const std::string& requete, const std::string& vide, std::string& sortie,
                           dba::ListeResultat& resultat) override;
    std::shared_ptr<void> FigerLecture() override { return reelle_->FigerLecture(); }

    void Pieger(const std::string& fichier, const std::string& cle, std::uint32_t numero,
                int aPartirDeLaLecture = 1);
    void Desamorcer() { pieges_->clear(); }

    // The sentences of the selections made over that file, in order.
    std::vector<std::string> Phrases(const std::string& fichier) const;

    struct Piege {
        std::uint32_t numero;
        int aPartirDe;
        int lectures = 0;
    };
    using Pieges = std::map<std::pair<std::string, std::string>, Piege>;

  private:
    std::shared_ptr<dba::TheDatabase> reelle_;
    std::shared_ptr<Pieges> pieges_ = std::make_shared<Pieges>();
    std::vector<std::string> phrases_;
};

}  // namespace essai
