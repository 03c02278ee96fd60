#include "Impression.h"
#include "LectureEnregistrement.h"

// What heads the list in every output: the period, the criteria and the user, and the names of
// the groups.

rapport::EnTeteListe rapport::Impression::En_Tete_Liste() const {
    using Regroupement = rapport::CriteresListe::Regroupement;
    const rapport::CriteresListe& criteres = criteres_;
    const char* regroupement = criteres.regroupement == Regroupement::Responsable ? "Responsable"
                               : criteres.regroupement == Regroupement::Secteur   ? "Secteur"
                                                                                  : "Commune";
    return rapport::EnTeteListe{periodeImprimee_.toStdString(),
                                criteres.entite,
                                criteres.activite,
                                regroupement,
                                criteres.groupe,
                                criteres.organisme,
                                contexte_.nomUtilisateur,
                                Plusieurs_Mois()};
}

// The manager's or the sector's name, or the commune's; empty when not on file.
std::string rapport::Impression::Nom_Groupe(const std::string& groupe) {
    using Regroupement = rapport::CriteresListe::Regroupement;
    const Regroupement regroupement = criteres_.regroupement;
    const std::shared_ptr<dba::Fichier>& fichier =
        regroupement == Regroupement::Responsable ? module_.Fic_Responsable
        : regroupement == Regroupement::Secteur   ? module_.Fic_Secteur
                                                  : module_.Fic_Communes;
    auto enregistrement = std::make_shared<dba::Enregistrement>();
    Lire_Enregistrement(fichier, groupe, enregistrement);
    return (*enregistrement)(1);
}
