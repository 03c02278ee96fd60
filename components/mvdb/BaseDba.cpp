#include "BaseDba.h"

#include "Phrase.h"
#include "Selection.h"
#include "Transaction.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

constexpr int ElementPhrase = 1;
constexpr int ElementFichier = 2;
constexpr int ElementAttributs = 3;

// Element 2 repeats the file the sentence names; a different one is a caller's mistake.
void verifierFichierDemande(std::string_view phrase, const std::string& fichier) {
    if (!fichier.empty() && analyserPhrase(phrase).fichier.nom != fichier) {
        throw dba::Erreur(dba::ErrArgument, "La requête porte sur le fichier « " + fichier +
                                                " » mais sa phrase sur un autre.");
    }
}

}  // namespace

std::shared_ptr<dba::Fichier> BaseDba::OuvrirFichier(const std::string& nom) {
    return std::make_shared<FichierDba>(depot_, anticipees_, nom, depot_->fichier(nom));
}

void BaseDba::ExecuterSelection(const std::string& requete, const std::string&, std::string& sortie,
                                dba::ListeResultat& resultat) {
    const dba::Requete demande(requete);
    const std::string phrase = demande(ElementPhrase);
    const std::string fichier = demande(ElementFichier);
    verifierFichierDemande(phrase, fichier);
    resultat = selectionner(*depot_, phrase, demande(ElementAttributs));
    sortie = std::to_string(resultat.DCount()) + " enregistrement(s) sélectionné(s) dans " +
             fichier + ".";
}

namespace {

// A read transaction kept open with the connection it runs on. Reads and selections made
// meanwhile join it; ending it only releases its view, nothing was written. Records read
// ahead are kept as long as it lives.
struct VueFigee : dba::VueLecture::Tenue {
    VueFigee(std::shared_ptr<Depot> d, std::shared_ptr<LecturesAnticipees> a)
        : depot(std::move(d)),
          anticipees(std::move(a)),
          lecture(*depot, Transaction::Genre::Lecture) {
        anticipees->ouvrirVue();
    }
    VueFigee(const VueFigee&) = delete;
    VueFigee& operator=(const VueFigee&) = delete;
    ~VueFigee() override { anticipees->fermerVue(); }

    std::shared_ptr<Depot> depot;
    std::shared_ptr<LecturesAnticipees> anticipees;
    Transaction lecture;
};

}  // namespace

dba::VueLecture BaseDba::FigerLecture() {
    return dba::VueLecture(std::make_unique<VueFigee>(depot_, anticipees_));
}

void FichierDba::Prelire(const std::vector<std::string>& cles) {
    anticipees_->prelire(id_, cles);
}

dba::Enregistrement FichierDba::LireEnreg(const std::string& cle) {
    dba::Enregistrement enregistrement;
    if (!ChercherEnreg(cle, enregistrement)) {
        throw dba::Erreur(dba::ErrNonTrouve,
                          "L'enregistrement « " + cle + " » n'existe pas dans " + nom_ + ".");
    }
    return enregistrement;
}

bool FichierDba::ChercherEnreg(const std::string& cle, dba::Enregistrement& enregistrement) {
    const auto& donnees = anticipees_->lire(*depot_, id_, cle);
    if (!donnees) {
        return false;
    }
    enregistrement.assigner(*donnees);
    return true;
}

}  // namespace mvdb
