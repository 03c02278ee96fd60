#include "BasePiegee.h"

#include "dba/Erreur.h"

namespace essai {

namespace {

class FichierPiege : public dba::Fichier {
  public:
    FichierPiege(std::shared_ptr<dba::Fichier> reel, std::string nom,
                 std::shared_ptr<BasePiegee::Pieges> pieges)
        : reel_(std::move(reel)), nom_(std::move(nom)), pieges_(std::move(pieges)) {}

    dba::Enregistrement LireEnreg(const std::string& cle) override {
        const auto piege = pieges_->find({nom_, cle});
        if (piege != pieges_->end() && ++piege->second.lectures >= piege->second.aPartirDe) {
            throw dba::Erreur(piege->second.numero, "Lecture impossible de " + cle + ".");
        }
        return reel_->LireEnreg(cle);
    }

  private:
    std::shared_ptr<dba::Fichier> reel_;
    std::string nom_;
    std::shared_ptr<BasePiegee::Pieges> pieges_;
};

}  // namespace

BasePiegee::BasePiegee(std::shared_ptr<dba::TheDatabase> reelle) : reelle_(std::move(reelle)) {}

std::shared_ptr<dba::Fichier> BasePiegee::OuvrirFichier(const std::string& nom) {
    return std::make_shared<FichierPiege>(reelle_->OuvrirFichier(nom), nom, pieges_);
}

void BasePiegee::ExecuterSelection(const std::string& requete, const std::string& vide,
                                   std::string& sortie, dba::ListeResultat& resultat) {
    phrases_.push_back(dba::Requete(requete)(1));
    reelle_->ExecuterSelection(requete, vide, sortie, resultat);
}

void BasePiegee::Pieger(const std::string& fichier, const std::string& cle, std::uint32_t numero,
                        int aPartirDeLaLecture) {
    (*pieges_)[{fichier, cle}] = Piege{numero, aPartirDeLaLecture};
}

std::vector<std::string> BasePiegee::Phrases(const std::string& fichier) const {
    std::vector<std::string> phrases;
    for (const std::string& phrase : phrases_) {
        if (phrase.starts_with("SSELECT " + fichier + " ")) {
            phrases.push_back(phrase);
        }
    }
    return phrases;
}

}  // namespace essai
