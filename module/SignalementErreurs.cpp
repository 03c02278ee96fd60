#include "SignalementErreurs.h"

#include <stdexcept>

#include <QString>

namespace ardoine {

namespace {

const QString TitreMessages = QStringLiteral("Message KORVANE");

}  // namespace

void SignalementErreurs::Executer(const std::function<void()>& gestionnaire) noexcept {
    try {
        gestionnaire();
    } catch (const std::exception& erreur) {
        Signaler(erreur);
    } catch (...) {
        Signaler(std::runtime_error("Erreur inattendue."));
    }
}

// An error handler that fails in turn has nowhere left to report to.
void SignalementErreurs::Signaler(const std::exception& erreur) noexcept {
    try {
        if (gestionnaire_) {
            gestionnaire_(erreur);
        } else {
            services_.messages->Afficher(QString::fromUtf8(erreur.what()), Icone::Critique,
                                         TitreMessages);
        }
    } catch (...) {
    }
}

}  // namespace ardoine
