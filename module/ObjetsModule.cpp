#include "ObjetsModule.h"

#include "dba/Erreur.h"

namespace ardoine {
namespace {

struct FichierModule {
    const char* nom;
    std::shared_ptr<dba::Fichier> ObjetsModule::*fichier;
    std::shared_ptr<dba::Enregistrement> ObjetsModule::*enregistrement;
};

// The data files, in the order they are opened and released.
constexpr std::array<FichierModule, ObjetsModule::NombreFichiers> TableFichiers{{
    {"ACCORD", &ObjetsModule::Fic_Accord, &ObjetsModule::Enr_Accord},
    {"ACTIVITES", &ObjetsModule::Fic_Activites, &ObjetsModule::Enr_Activites},
    {"ASSOCIATION", &ObjetsModule::Fic_Association, &ObjetsModule::Enr_Association},
    {"CIVILAIDE", &ObjetsModule::Fic_CivilAide, &ObjetsModule::Enr_CivilAide},
    {"DEMANDACC", &ObjetsModule::Fic_DemandAcc, &ObjetsModule::Enr_DemandAcc},
    {"ORGPRISECHARGE", &ObjetsModule::Fic_OrgPriseCharge, &ObjetsModule::Enr_OrgPriseCharge},
    {"RESPONSABLE", &ObjetsModule::Fic_Responsable, &ObjetsModule::Enr_Responsable},
    {"SECTEUR", &ObjetsModule::Fic_Secteur, &ObjetsModule::Enr_Secteur},
    {"COMMUNES", &ObjetsModule::Fic_Communes, &ObjetsModule::Enr_Communes},
    {"COMPTEUR", &ObjetsModule::Fic_Compteur, &ObjetsModule::Enr_Compteur},
}};

}  // namespace

ObjetsModule& ObjetsModule::DuThread() {
    thread_local ObjetsModule objets;
    return objets;
}

void ObjetsModule::Quitter() {
    --controles_;
    if (controles_ == 0) {
        Fermer_Fichiers();
    }
}

dba::TheDatabase& ObjetsModule::Base() const {
    if (!TheDatabase) {
        throw dba::Erreur(dba::ErrArgument,
                          "La base de données n'a pas été transmise au contrôle.");
    }
    return *TheDatabase;
}

void ObjetsModule::Ouvrir_Fichiers() {
    dba::TheDatabase& base = Base();
    Fichiers ouverts;
    try {
        for (std::size_t i = 0; i < NombreFichiers; ++i) {
            ouverts[i] = base.OuvrirFichier(TableFichiers[i].nom);
        }
    } catch (...) {
        // In table order, as every release of the files.
        for (auto& fichier : ouverts) {
            fichier.reset();
        }
        throw;
    }
    Remplacer_Fichiers(ouverts);
}

ObjetsModule::Fichiers ObjetsModule::Fichiers_Ouverts() const {
    Fichiers fichiers;
    for (std::size_t i = 0; i < NombreFichiers; ++i) {
        fichiers[i] = this->*TableFichiers[i].fichier;
    }
    return fichiers;
}

void ObjetsModule::Remplacer_Fichiers(const Fichiers& fichiers) {
    for (std::size_t i = 0; i < NombreFichiers; ++i) {
        this->*TableFichiers[i].fichier = fichiers[i];
    }
}

void ObjetsModule::Fermer_Fichiers() {
    for (const FichierModule& f : TableFichiers) {
        (this->*f.enregistrement).reset();
    }
    for (const FichierModule& f : TableFichiers) {
        (this->*f.fichier).reset();
    }
    TheDatabase.reset();
}

}  // namespace ardoine
