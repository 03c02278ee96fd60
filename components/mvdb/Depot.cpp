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
    const IdFichier id = stockage_->inscrireFichier(decrit);
    const IdFichier idDictionnaire = stockage_->inscrireFichier(nomDictionnaire(decrit));
    return decrit == nom ? id : idDictionnaire;
}

}  // namespace mvdb
