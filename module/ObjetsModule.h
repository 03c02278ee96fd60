#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "ExportControle.h"
#include "dba/Requete.h"
#include "dba/TheDatabase.h"

namespace dba {
class TheClient;
}

namespace ardoine {

// The database objects every control of a thread shares: the connection handed by the host,
// one file object per data file and one slot per file for the record last read from it.
// The set lives as long as one control of the thread does; the last one to go releases it.
class CONTROLE_ARDOINE_EXPORT ObjetsModule {
  public:
    std::shared_ptr<dba::TheClient> TheClient;
    std::shared_ptr<dba::TheDatabase> TheDatabase;

    std::shared_ptr<dba::Fichier> Fic_Accord;
    std::shared_ptr<dba::Fichier> Fic_Activites;
    std::shared_ptr<dba::Fichier> Fic_Association;
    std::shared_ptr<dba::Fichier> Fic_CivilAide;
    std::shared_ptr<dba::Fichier> Fic_DemandAcc;
    std::shared_ptr<dba::Fichier> Fic_OrgPriseCharge;
    std::shared_ptr<dba::Fichier> Fic_Responsable;
    std::shared_ptr<dba::Fichier> Fic_Secteur;
    std::shared_ptr<dba::Fichier> Fic_Communes;
    std::shared_ptr<dba::Fichier> Fic_Compteur;

    std::shared_ptr<dba::Enregistrement> Enr_Accord;
    std::shared_ptr<dba::Enregistrement> Enr_Activites;
    std::shared_ptr<dba::Enregistrement> Enr_Association;
    std::shared_ptr<dba::Enregistrement> Enr_CivilAide;
    std::shared_ptr<dba::Enregistrement> Enr_DemandAcc;
    std::shared_ptr<dba::Enregistrement> Enr_OrgPriseCharge;
    std::shared_ptr<dba::Enregistrement> Enr_Responsable;
    std::shared_ptr<dba::Enregistrement> Enr_Secteur;
    std::shared_ptr<dba::Enregistrement> Enr_Communes;
    std::shared_ptr<dba::Enregistrement> Enr_Compteur;

    static constexpr std::size_t NombreFichiers = 10;
    using Fichiers = std::array<std::shared_ptr<dba::Fichier>, NombreFichiers>;

    // The set of the calling thread.
    static ObjetsModule& DuThread();

    // A control joins the set when it is created and leaves it when it is destroyed.
    void Rejoindre() { ++controles_; }
    void Quitter();

    // The database handed by the host; raises an Erreur when there is none yet.
    dba::TheDatabase& Base() const;

    // Opens the ten files in table order. All or nothing: when one fails, the files opened so
    // far are released and the files held before stay.
    void Ouvrir_Fichiers();
    Fichiers Fichiers_Ouverts() const;
    void Remplacer_Fichiers(const Fichiers& fichiers);
    // Record slots in table order, then files in table order, then the database.
    void Fermer_Fichiers();

  private:
    int controles_ = 0;
};

}  // namespace ardoine
