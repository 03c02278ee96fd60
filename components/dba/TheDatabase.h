#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Requete.h"
#include "VueLecture.h"
#include "dba/ExportBase.h"

namespace dba {

// A file of the database, opened once and kept.
class ARDOINE_BASE_EXPORT Fichier {
  public:
    virtual ~Fichier() = default;
    // Raises Erreur ErrNonTrouve when the key has no record.
    virtual Enregistrement LireEnreg(const std::string& cle) = 0;
    // The record of the key into `enregistrement`; false, `enregistrement` left as it was, when
    // the key has no record. Any other failure raises as LireEnreg does. For a run that reads
    // many keys of which some are missing, and must not pay an exception for each; by default
    // it asks LireEnreg.
    virtual bool ChercherEnreg(const std::string& cle, Enregistrement& enregistrement);
    // Tells the file which keys are about to be read, so that a database on a server can
    // fetch them in one round trip instead of one each. Only worth it while a read view is
    // frozen (TheDatabase::FigerLecture); elsewhere it may do nothing. A local file reads
    // them in key order, where neighbouring keys cost less than one search each.
    virtual void Prelire(const std::vector<std::string>& cles) = 0;
};

// What the control calls on the database.
class ARDOINE_BASE_EXPORT TheDatabase {
  public:
    virtual ~TheDatabase() = default;
    // Raises Erreur ErrFichierInconnu when the database has no such file.
    virtual std::shared_ptr<Fichier> OuvrirFichier(const std::string& nom) = 0;
    // requete: the whole text of a Requete; vide: an empty text kept for the calling
    // convention; sortie: written with a summary no caller needs; resultat: the rows.
    virtual void ExecuterSelection(const std::string& requete, const std::string& vide,
                                   std::string& sortie, ListeResultat& resultat) = 0;
    // Every read made while the returned view lives sees the same state of the database:
    // a run of many reads stays consistent and pays for one read transaction instead of one
    // per read.
    virtual VueLecture FigerLecture() = 0;
};

}  // namespace dba
