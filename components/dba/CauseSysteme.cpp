#include "dba/CauseSysteme.h"

#include <cerrno>
#include <cstring>

namespace dba {

std::string Cause_Systeme(int erreur) {
    switch (erreur) {
        case ENOSPC:
        case EDQUOT:
            return "le disque est plein";
        case EFBIG:
            return "le fichier dépasse la taille permise";
        case EACCES:
        case EPERM:
            return "permission refusée";
        case EROFS:
            return "le disque est en lecture seule";
        case ENOENT:
            return "le fichier n'existe pas";
        case ENOTDIR:
            return "un élément du chemin n'est pas un dossier";
        case EISDIR:
            return "c'est un dossier, pas un fichier";
        case EIO:
            return "erreur d'entrée-sortie du disque";
        case ENAMETOOLONG:
            return "le nom est trop long";
        case ENOMEM:
            return "mémoire insuffisante";
        case EMFILE:
        case ENFILE:
            return "trop de fichiers ouverts";
        case ELOOP:
            return "trop de liens symboliques dans le chemin";
        case EBUSY:
        case ETXTBSY:
            return "le fichier est occupé";
        default:
            break;
    }
    const char* nom = ::strerrorname_np(erreur);
    return "erreur du système (" + (nom != nullptr ? std::string(nom) : std::to_string(erreur)) +
           ")";
}

}  // namespace dba
