#include "BaseChronometree.h"

namespace {

using Horloge = std::chrono::steady_clock;

// Times one read, from its construction to its destruction, whether it returns or raises.
struct Chrono {
    BaseChronometree::Temps& temps;
    Horloge::time_point debut;
    ~Chrono() {
        temps.lecture += Horloge::now() - debut;
        ++temps.lectures;
    }
};

class FichierChronometre : public dba::Fichier {
  public:
    FichierChronometre(std::shared_ptr<dba::Fichier> reel,
                       std::shared_ptr<BaseChronometree::Temps> temps)
        : reel_(std::move(reel)), temps_(std::move(temps)) {}

    // A read that fails (a key not on file) is timed too: it costs a lookup all the same.
    dba::Enregistrement LireEnreg(const std::string& cle) override {
        const Chrono chrono{*temps_, Horloge::now()};
        return reel_->LireEnreg(cle);
    }

    bool ChercherEnreg(const std::string& cle, dba::Enregistrement& enregistrement) override {
        const Chrono chrono{*temps_, Horloge::now()};
        return reel_->ChercherEnreg(cle, enregistrement);
    }

    // Reading ahead is reading: its time counts with the reads it saves.
    void Prelire(const std::vector<std::string>& cles) override {
        const auto debut = Horloge::now();
        reel_->Prelire(cles);
        temps_->lecture += Horloge::now() - debut;
        ++temps_->lecturesGroupees;
    }

  private:
    std::shared_ptr<dba::Fichier> reel_;
    std::shared_ptr<BaseChronometree::Temps> temps_;
};

}  // namespace

BaseChronometree::BaseChronometree(std::shared_ptr<dba::TheDatabase> reelle)
    : reelle_(std::move(reelle)) {}

std::shared_ptr<dba::Fichier> BaseChronometree::OuvrirFichier(const std::string& nom) {
    return std::make_shared<FichierChronometre>(reelle_->OuvrirFichier(nom), temps_);
}

void BaseChronometree::ExecuterSelection(const std::string& requete, const std::string& vide,
                                         std::string& sortie, dba::ListeResultat& resultat) {
    const auto debut = Horloge::now();
    reelle_->ExecuterSelection(requete, vide, sortie, resultat);
    temps_->selection += Horloge::now() - debut;
}
