#include "DossierTemporaire.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "dba/CauseSysteme.h"

namespace outils {

std::string Dossier_Temporaire(std::uint32_t numeroErreur) {
    const char* variable = std::getenv("TMPDIR");
    const bool designe = variable != nullptr && *variable != '\0';
    const std::string dossier = designe ? variable : "/tmp";
    // Says where the name comes from, for a user who never set it knowingly.
    const std::string origine = designe ? " (variable TMPDIR)" : "";
    const auto echouer = [&](const std::string& raison) {
        return dba::Erreur(numeroErreur,
                           "Le dossier temporaire « " + dossier + " » " + raison + origine + ".");
    };
    struct stat etat {};
    if (::stat(dossier.c_str(), &etat) != 0) {
        const int erreur = errno;
        if (erreur == ENOENT || erreur == ENOTDIR) {
            throw echouer("n'existe pas");
        }
        throw echouer("est inaccessible : " + dba::Cause_Systeme(erreur));
    }
    if (!S_ISDIR(etat.st_mode)) {
        throw echouer("n'est pas un dossier");
    }
    return dossier;
}

}  // namespace outils
