#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dba/TheDatabase.h"

namespace essai {

using Journal = std::shared_ptr<std::vector<std::string>>;

// Each name behind the prefix, as the journal writes it.
std::vector<std::string> Prefixees(const std::string& prefixe,
                                   const std::vector<std::string>& noms);

// A file that writes down its release.
class FichierEnregistreur : public dba::Fichier {
  public:
    FichierEnregistreur(std::shared_ptr<dba::Fichier> reel, std::string nom, Journal journal);
    ~FichierEnregistreur() override;
    dba::Enregistrement LireEnreg(const std::string& cle) override;
    void Prelire(const std::vector<std::string>& cles) override;

  private:
    std::shared_ptr<dba::Fichier> reel_;
    std::string nom_;
    Journal journal_;
};

// A database in front of a real one that writes down every opening, every selection (its
// sentence) and its own release, and fails on demand.
class BaseEnregistreuse : public dba::TheDatabase {
  public:
    BaseEnregistreuse(std::shared_ptr<dba::TheDatabase> reelle, Journal journal);
    ~BaseEnregistreuse() override;

    std::shared_ptr<dba::Fichier> OuvrirFichier(const std::string& nom) override;
    void ExecuterSelection(const std::string& requete, const std::string& vide, std::string& sortie,
                           dba::ListeResultat& resultat) override;
    dba::VueLecture FigerLecture() override { return reelle_->FigerLecture(); }

    // Opening this file fails.
    std::string fichierEnEchec;
    // Selections over this file fail.
    std::string selectionEnEchec;

  private:
    std::shared_ptr<dba::TheDatabase> reelle_;
    Journal journal_;
};

// A record slot's content that writes down its release.
std::shared_ptr<dba::Enregistrement> EnregistrementSuivi(const std::string& nom, Journal journal);

}  // namespace essai
