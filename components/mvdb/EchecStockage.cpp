#include "EchecStockage.h"

namespace mvdb {

namespace {

std::string texte(CauseEchec cause, const std::string& base, const std::string& detail) {
    switch (cause) {
        case CauseEchec::DisquePlein:
            return "Le disque est plein : la base " + base + " n'a pas été modifiée.";
        case CauseEchec::TailleDepassee:
            return "La taille de fichier permise est dépassée" +
                   (detail.empty() ? std::string() : " pour « " + detail + " »") + " : la base " +
                   base + " n'a pas été modifiée.";
        case CauseEchec::Verrouillee:
            return "La base " + base +
                   " est verrouillée par une autre importation ; réessayez quand elle sera "
                   "terminée.";
        case CauseEchec::PermissionRefusee:
            return "Permission refusée sur " + base + ".";
        case CauseEchec::LectureSeule:
            return "Permission refusée sur " + base + " : la base ne peut pas être modifiée.";
        case CauseEchec::Endommagee:
            return "La base " + base + " est endommagée ou a été remplacée pendant la lecture.";
        case CauseEchec::Absente:
            return "La base " + base + " n'existe pas.";
        case CauseEchec::DossierAbsent:
            return "Le dossier de la base " + base + " n'existe pas.";
        case CauseEchec::DossierRefuse:
            return "Permission refusée sur le dossier de la base " + base + ".";
        case CauseEchec::PasUneBase:
            return "Le fichier " + base + " n'est pas une base de données.";
        case CauseEchec::MemoireInsuffisante:
            return "Mémoire insuffisante pour la base " + base + ".";
        case CauseEchec::Existante:
            return "La base " + base + " existe déjà.";
        case CauseEchec::OuverteEnLectureSeule:
            return "La base " + base + " est ouverte en lecture seule.";
        case CauseEchec::SansSchema:
            return "La base " + base + " n'est pas une base de données.";
        case CauseEchec::ConnexionImpossible:
            return "Connexion à la base " + base + " impossible : " + detail + ".";
        case CauseEchec::AccesImpossible:
            return "Accès à la base " + base + " impossible : " + detail + ".";
        case CauseEchec::EcritureRefusee:
            return "Écriture refusée : le rôle « " + detail +
                   " » n'a que le droit de lire la base " + base + ".";
        case CauseEchec::LectureRefusee:
            return "Lecture refusée : le rôle « " + detail +
                   " » n'a pas le droit de lire les données de la base " + base +
                   " ; l'administrateur du serveur doit lui accorder la lecture de son schéma "
                   "mvdb.";
        case CauseEchec::EntreeSortie:
            break;
    }
    return "Erreur de lecture ou d'écriture du disque sur la base " + base + ".";
}

bool detailDansLeTexte(CauseEchec cause) {
    return cause == CauseEchec::ConnexionImpossible || cause == CauseEchec::AccesImpossible ||
           cause == CauseEchec::EcritureRefusee || cause == CauseEchec::LectureRefusee ||
           cause == CauseEchec::TailleDepassee;
}

}  // namespace

dba::Erreur erreurStockage(CauseEchec cause, const std::string& chemin, const std::string& detail) {
    std::string message = texte(cause, "« " + chemin + " »", detail);
    if (!detail.empty() && !detailDansLeTexte(cause)) {
        message.insert(message.size() - 1, " (" + detail + ")");
    }
    return dba::Erreur(dba::ErrStockage, message);
}

}  // namespace mvdb
