#include "Depot.h"

#include "dba/Erreur.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

constexpr std::string_view PrefixeDictionnaire = "DICT ";

bool nomSimpleValide(std::string_view nom) {
    if (nom.empty()) {
        return false;
    }
    for (const char c : nom) {
        const auto octet = static_cast<unsigned char>(c);
        if (octet <= ' ' || c == '"' || c == dba::MarqueAttribut || c == dba::MarqueValeur ||
            c == dba::MarqueSousValeur) {
            return false;
        }
    }
    return true;
}

std::string_view fichierDecrit(std::string_view nom) {
    if (nom.starts_with(PrefixeDictionnaire)) {
        return nom.substr(PrefixeDictionnaire.size());
    }
    return nom;
}

}  // namespace

std::string nomDictionnaire(const std::string& fichier) {
    return std::string(PrefixeDictionnaire) + fichier;
}

std::optional<IdFichier> Depot::chercherFichier(std::string_view nom) const {
    if (!catalogueLu_ && stockage_->lecturesDistantes()) {
        retenir(stockage_->fichiers());
    }
    if (const auto connu = ids_.find(nom); connu != ids_.end()) {
        return connu->second;
    }
    const std::optional<IdFichier> id = stockage_->chercherFichier(nom);
    if (id) {
        ids_.emplace(nom, *id);
    }
    return id;
}

std::vector<DeclarationIndex> Depot::declarations(IdFichier fichier) const {
    if (!transactionOuverte()) {
        return stockage_->declarations(fichier);
    }
    if (const auto connues = declarations_.find(fichier); connues != declarations_.end()) {
        return connues->second;
    }
    return declarations_.emplace(fichier, stockage_->declarations(fichier)).first->second;
}

std::vector<std::string> Depot::fichiers() const {
    const std::vector<FichierCatalogue> catalogue = stockage_->fichiers();
    retenir(catalogue);
    std::vector<std::string> noms;
    noms.reserve(catalogue.size());
    for (const FichierCatalogue& fichier : catalogue) {
        noms.push_back(fichier.nom);
    }
    return noms;
}

void Depot::retenir(const std::vector<FichierCatalogue>& catalogue) const {
    for (const FichierCatalogue& fichier : catalogue) {
        ids_.insert_or_assign(fichier.nom, fichier.id);
    }
    catalogueLu_ = true;
}

IdFichier Depot::fichier(const std::string& nom) const {
    if (const auto id = chercherFichier(nom)) {
        return *id;
    }
    throw dba::Erreur(dba::ErrFichierInconnu, "Le fichier « " + nom + " » n'existe pas.");
}

IdFichier Depot::creerFichier(const std::string& nom) {
    exigerEcriture();
    const std::string decrit(fichierDecrit(nom));
    if (!nomSimpleValide(decrit)) {
        throw dba::Erreur(dba::ErrArgument, "Nom de fichier incorrect : « " + nom + " ».");
    }
    const IdFichier id = inscrireFichier(decrit);
    const IdFichier idDictionnaire = inscrireFichier(nomDictionnaire(decrit));
    return decrit == nom ? id : idDictionnaire;
}

IdFichier Depot::inscrireFichier(const std::string& nom) {
    if (const auto id = chercherFichier(nom)) {
        return *id;
    }
    return stockage_->ajouterFichier(nom);
}

// Entries exist only for declared attributes: the one a redeclared name leaves behind is
// dropped unless another declaration still names it.
void Depot::declarer(IdFichier fichier, const std::string& nom, int attribut) {
    std::optional<int> ancien;
    for (const DeclarationIndex& declaration : declarations(fichier)) {
        if (declaration.nom == nom && declaration.attribut != attribut) {
            ancien = declaration.attribut;
        }
    }
    stockage_->declarer(fichier, nom, attribut);
    declarations_.erase(fichier);
    if (!ancien) {
        return;
    }
    for (const DeclarationIndex& declaration : declarations(fichier)) {
        if (declaration.attribut == *ancien) {
            return;
        }
    }
    viderEntrees(fichier, *ancien);
}

}  // namespace mvdb
