#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "dba/TheDatabase.h"

namespace essai {

// A database in front of a real one that writes down the sentence of every selection, counts
// the reads announced ahead and the others, and makes chosen calls fail: the read of a key of a
// file raises the error number set for it, from its n-th read on; or the n-th call of any kind
// (opening a file, a selection, a read, a frozen view) raises a storage failure.
class BasePiegee : public dba::TheDatabase {
  public:
    explicit BasePiegee(std::shared_ptr<dba::TheDatabase> reelle);

    std::shared_ptr<dba::Fichier> OuvrirFichier(const std::string& nom) override;
    void ExecuterSelection(const std::string& requete, const std::string& vide, std::string& sortie,
                           dba::ListeResultat& resultat) override;
    dba::VueLecture FigerLecture() override;

    void Pieger(const std::string& fichier, const std::string& cle, std::uint32_t numero,
                int aPartirDeLaLecture = 1);
    void Desamorcer() { pieges_->clear(); }
    // Counts the calls from now on; the rang-th (from 1) raises ErrStockage, 0 for none.
    void PiegerAppel(int rang);
    // The calls counted since PiegerAppel.
    int Appels() const { return appels_->faits; }

    // The sentences of the selections made over that file, in order.
    std::vector<std::string> Phrases(const std::string& fichier) const;

    // Since the last frozen view (a print run's): the announcements (Prelire) made to that
    // file, each a read of many keys at once, and its reads by key whose key no announcement
    // made in the view before, each a fetch of its own.
    int Annonces(const std::string& fichier) const;
    int Lectures_Non_Annoncees(const std::string& fichier) const;

    struct Piege {
        std::uint32_t numero;
        int aPartirDe;
        int lectures = 0;
    };
    using Pieges = std::map<std::pair<std::string, std::string>, Piege>;
    struct LecturesDeLaVue {
        std::map<std::string, std::set<std::string>> annoncees;
        std::map<std::string, int> annonces;
        std::map<std::string, int> nonAnnoncees;
    };
    struct CompteurAppels {
        int faits = 0;
        int piege = 0;
        // Raises on the trapped call.
        void compter();
    };

  private:
    std::shared_ptr<dba::TheDatabase> reelle_;
    std::shared_ptr<Pieges> pieges_ = std::make_shared<Pieges>();
    std::shared_ptr<CompteurAppels> appels_ = std::make_shared<CompteurAppels>();
    std::shared_ptr<LecturesDeLaVue> lectures_ = std::make_shared<LecturesDeLaVue>();
    std::vector<std::string> phrases_;
};

}  // namespace essai
