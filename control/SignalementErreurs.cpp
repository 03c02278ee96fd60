#include "Ctr_ArdoinePrivate.h"

// What a handler raises goes to the host's error handler, or else to a message box: never
// through the toolkit.

namespace {

const QString TitreMessages = QStringLiteral("Message KORVANE");

}  // namespace

void Ctr_ArdoinePrivate::Executer_Evenement(const std::function<void()>& gestionnaire) noexcept {
    try {
        gestionnaire();
    } catch (const std::exception& erreur) {
        Signaler_Erreur(erreur);
    } catch (...) {
        Signaler_Erreur(std::runtime_error("Erreur inattendue."));
    }
}

// An error handler that fails in turn has nowhere left to report to.
void Ctr_ArdoinePrivate::Signaler_Erreur(const std::exception& erreur) noexcept {
    try {
        if (Gestionnaire_Erreurs) {
            Gestionnaire_Erreurs(erreur);
        } else {
            Services.messages->Afficher(QString::fromUtf8(erreur.what()), ardoine::Icone::Critique,
                                        TitreMessages);
        }
    } catch (...) {
    }
}
