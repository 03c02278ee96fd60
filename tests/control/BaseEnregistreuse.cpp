#include "BaseEnregistreuse.h"

#include "dba/Erreur.h"

namespace essai {

std::vector<std::string> Prefixees(const std::string& prefixe,
                                   const std::vector<std::string>& noms) {
    std::vector<std::string> lignes;
    for (const std::string& nom : noms) {
        lignes.push_back(prefixe + nom);
    }
    return lignes;
}

FichierEnregistreur::FichierEnregistreur(std::shared_ptr<dba::Fichier> reel, std::string nom,
                                         Journal journal)
    : reel_(std::move(reel)), nom_(std::move(nom)), journal_(std::move(journal)) {}

FichierEnregistreur::~FichierEnregistreur() {
    journal_->push_back("fichier libéré " + nom_);
}

dba::Enregistrement FichierEnregistreur::LireEnreg(const std::string& cle) {
    return reel_->LireEnreg(cle);
}

void FichierEnregistreur::Prelire(const std::vector<std::string>& cles) {
    reel_->Prelire(cles);
}

BaseEnregistreuse::BaseEnregistreuse(std::shared_ptr<dba::TheDatabase> reelle, Journal journal)
    : reelle_(std::move(reelle)), journal_(std::move(journal)) {}

BaseEnregistreuse::~BaseEnregistreuse() {
    journal_->push_back("base libérée");
}

std::shared_ptr<dba::Fichier> BaseEnregistreuse::OuvrirFichier(const std::string& nom) {
    if (nom == fichierEnEchec) {
        throw dba::Erreur(dba::ErrFichierInconnu, "Le fichier " + nom + " n'existe pas.");
    }
    journal_->push_back("fichier ouvert " + nom);
    return std::make_shared<FichierEnregistreur>(reelle_->OuvrirFichier(nom), nom, journal_);
}

void BaseEnregistreuse::ExecuterSelection(const std::string& requete, const std::string& vide,
                                          std::string& sortie, dba::ListeResultat& resultat) {
    const dba::Requete lue(requete);
    journal_->push_back("selection " + lue(1));
    if (!selectionEnEchec.empty() && lue(2) == selectionEnEchec) {
        throw dba::Erreur(dba::ErrStockage, "La base de données ne répond pas.");
    }
    reelle_->ExecuterSelection(requete, vide, sortie, resultat);
}

std::shared_ptr<dba::Enregistrement> EnregistrementSuivi(const std::string& nom, Journal journal) {
    return std::shared_ptr<dba::Enregistrement>(
        new dba::Enregistrement(), [nom, journal](dba::Enregistrement* enregistrement) {
            journal->push_back("enregistrement libéré " + nom);
            delete enregistrement;
        });
}

}  // namespace essai
