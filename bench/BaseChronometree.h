#pragma once

#include <chrono>
#include <memory>

#include "dba/TheDatabase.h"

// A database in front of a real one that adds up the time spent in its selections and in
// the reads by key of its files.
class BaseChronometree : public dba::TheDatabase {
  public:
    using Duree = std::chrono::steady_clock::duration;

    struct Temps {
        Duree selection{};
        Duree lecture{};
        long lectures = 0;
        long lecturesGroupees = 0;  // batches read ahead
    };

    explicit BaseChronometree(std::shared_ptr<dba::TheDatabase> reelle);

    std::shared_ptr<dba::Fichier> OuvrirFichier(const std::string& nom) override;
    void ExecuterSelection(const std::string& requete, const std::string& vide, std::string& sortie,
                           dba::ListeResultat& resultat) override;
    dba::VueLecture FigerLecture() override { return reelle_->FigerLecture(); }

    const Temps& Mesures() const { return *temps_; }
    void Remettre_A_Zero() { *temps_ = Temps{}; }

  private:
    std::shared_ptr<dba::TheDatabase> reelle_;
    std::shared_ptr<Temps> temps_ = std::make_shared<Temps>();
};
