#pragma once

#include <functional>
#include <memory>

#include "Avancement.h"

class QProgressBar;

namespace ardoine {

// A print run as the form shows it: the control busy, and the progress bar of the walk.
class AvancementFormulaire : public rapport::Avancement {
  public:
    using Occuper_Formulaire = std::function<std::unique_ptr<Occupation>()>;

    AvancementFormulaire(QProgressBar& barre, Occuper_Formulaire occuper);

    std::unique_ptr<Occupation> Occuper() override;
    void Longueur(std::int64_t rangees) override;
    void Montrer() override;
    void Avancer(std::int64_t rangee) override;
    void Effacer() override;

  private:
    QProgressBar& barre_;
    Occuper_Formulaire occuper_;
};

}  // namespace ardoine
