#pragma once

#include <exception>
#include <functional>

#include "Plateforme.h"

namespace ardoine {

// What a handler of the control raises goes to the host's error handler, or else to a message
// box: never through the toolkit. Every handler, of the form and of the criteria alike, runs
// through it.
class SignalementErreurs {
  public:
    using Gestionnaire = std::function<void(const std::exception&)>;

    // The message box is the platform's of the moment: the host may replace its services.
    explicit SignalementErreurs(const Plateforme& services) : services_(services) {}

    void Definir_Gestionnaire(Gestionnaire gestionnaire) {
        gestionnaire_ = std::move(gestionnaire);
    }
    void Executer(const std::function<void()>& gestionnaire) noexcept;
    void Signaler(const std::exception& erreur) noexcept;

  private:
    const Plateforme& services_;
    Gestionnaire gestionnaire_;
};

}  // namespace ardoine
