#include "BasePiegee.h"

#include "dba/Erreur.h"

namespace essai {

namespace {

class FichierPiege : public dba::Fichier {
  public:
    FichierPiege(std::shared_ptr<dba::Fichier> reel, std::string nom,
                 std::shared_ptr<BasePiegee::Pieges> pieges,
                 std::shared_ptr<BasePiegee::CompteurAppels> appels,
                 std::shared_ptr<BasePiegee::LecturesDeLaVue> lectures)
        : reel_(std::move(reel)),
          nom_(std::move(nom)),
          pieges_(std::move(pieges)),
          appels_(std::move(appels)),
          lectures_(std::move(lectures)) {}

    dba::Enregistrement LireEnreg(const std::string& cle) override {
        appels_->compter();
        if (!lectures_->annoncees[nom_].contains(cle)) {
            ++lectures_->nonAnnoncees[nom_];
        }
        const auto piege = pieges_->find({nom_, cle});
        if (piege != pieges_->end() && ++piege->second.lectures >= piege->second.aPartirDe) {
            throw dba::Erreur(piege->second.numero, "Lecture impossible de " + cle + ".");
        }
        return reel_->LireEnreg(cle);
    }

    void Prelire(const std::vector<std::string>& cles) override {
        appels_->compter();
        ++lectures_->annonces[nom_];
        lectures_->annoncees[nom_].insert(cles.begin(), cles.end());
        reel_->Prelire(cles);
    }

  private:
    std::shared_ptr<dba::Fichier> reel_;
    std::string nom_;
    std::shared_ptr<BasePiegee::Pieges> pieges_;
    std::shared_ptr<BasePiegee::CompteurAppels> appels_;
    std::shared_ptr<BasePiegee::LecturesDeLaVue> lectures_;
};

}  // namespace

BasePiegee::BasePiegee(std::shared_ptr<dba::TheDatabase> reelle) : reelle_(std::move(reelle)) {}

void BasePiegee::CompteurAppels::compter() {
    if (++faits == piege) {
        throw dba::Erreur(dba::ErrStockage,
                          "Panne du disque à l'appel " + std::to_string(faits) + ".");
    }
}

std::shared_ptr<dba::Fichier> BasePiegee::OuvrirFichier(const std::string& nom) {
    appels_->compter();
    return std::make_shared<FichierPiege>(reelle_->OuvrirFichier(nom), nom, pieges_, appels_,
                                          lectures_);
}

// What a view announced is held as long as it lasts.
dba::VueLecture BasePiegee::FigerLecture() {
    appels_->compter();
    *lectures_ = LecturesDeLaVue{};
    return reelle_->FigerLecture();
}

void BasePiegee::PiegerAppel(int rang) {
    *appels_ = CompteurAppels{0, rang};
}

void BasePiegee::ExecuterSelection(const std::string& requete, const std::string& vide,
                                   std::string& sortie, dba::ListeResultat& resultat) {
    appels_->compter();
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

namespace {

int Compte(const std::map<std::string, int>& comptes, const std::string& fichier) {
    const auto compte = comptes.find(fichier);
    return compte == comptes.end() ? 0 : compte->second;
}

}  // namespace

int BasePiegee::Annonces(const std::string& fichier) const {
    return Compte(lectures_->annonces, fichier);
}

int BasePiegee::Lectures_Non_Annoncees(const std::string& fichier) const {
    return Compte(lectures_->nonAnnoncees, fichier);
}

}  // namespace essai
