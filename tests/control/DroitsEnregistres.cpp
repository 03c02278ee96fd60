#include "DroitsEnregistres.h"

namespace essai {
namespace {

class ListeSansCache : public droits::ListeAcces {
  public:
    void InitialiserListe() override { W_Liste.Clear(); }
};

class ModuleEnregistre : public droits::DroitsModule {
  public:
    ModuleEnregistre(std::int32_t niveau, Journal journal)
        : niveau_(niveau), journal_(std::move(journal)) {}
    ~ModuleEnregistre() override { journal_->push_back("droits du module libérés"); }

    std::int32_t NiveauAcces() override { return niveau_; }
    bool AccesAutorise(const std::string& /*secteur*/, std::int16_t /*drapeau*/) override {
        return true;
    }
    std::shared_ptr<droits::ListeAcces> ListeAcces() override { return liste_; }

  private:
    std::int32_t niveau_;
    Journal journal_;
    std::shared_ptr<droits::ListeAcces> liste_ = std::make_shared<ListeSansCache>();
};

}  // namespace

DroitsEnregistres::DroitsEnregistres(std::int32_t niveau, Journal journal)
    : niveau_(niveau), journal_(std::move(journal)) {}

DroitsEnregistres::~DroitsEnregistres() {
    journal_->push_back("droits de l'utilisateur libérés");
}

std::shared_ptr<droits::DroitsModule> DroitsEnregistres::LireDroitsModule(
    const std::string& module) {
    journal_->push_back("droits lus " + module);
    return std::make_shared<ModuleEnregistre>(niveau_, journal_);
}

}  // namespace essai
