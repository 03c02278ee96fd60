#include "BaseTemporaire.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>

namespace {

std::filesystem::path dossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "mvdb-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    return modele;
}

}  // namespace

BaseTemporaire::BaseTemporaire()
    : dossier_(dossierTemporaire()),
      chemin_((dossier_ / "base.db").string()),
      base_(mvdb::Base::creer(chemin_)) {}

BaseTemporaire::~BaseTemporaire() {
    std::error_code ignoree;
    std::filesystem::remove_all(dossier_, ignoree);
}

void BaseTemporaire::importer(const std::string& lignes) {
    std::istringstream flux(lignes);
    base_.importer(flux);
}

std::string BaseTemporaire::exporter() const {
    std::ostringstream flux;
    base_.exporter(flux);
    return flux.str();
}

std::string ligneJson(const std::string& fichier, const std::string& cle,
                      const std::vector<std::string>& attributs) {
    nlohmann::ordered_json ligne;
    ligne["file"] = fichier;
    ligne["id"] = cle;
    ligne["record"] = attributs;
    return ligne.dump() + "\n";
}

std::string ligneJson(const std::string& fichier, const std::string& cle,
                      const std::vector<std::pair<int, std::string>>& attributs) {
    std::vector<std::string> tous;
    for (const auto& [numero, valeur] : attributs) {
        if (tous.size() < static_cast<std::size_t>(numero)) {
            tous.resize(static_cast<std::size_t>(numero));
        }
        tous[static_cast<std::size_t>(numero - 1)] = valeur;
    }
    return ligneJson(fichier, cle, tous);
}

std::string itemJson(const std::string& fichier, const std::string& nom, const std::string& type,
                     const std::string& definition, const std::string& justification) {
    return ligneJson("DICT " + fichier, nom, {type, definition, "", "", justification});
}

std::string lisible(const dba::ListeResultat& liste) {
    std::string texte;
    for (int r = 1; r <= liste.DCount(); ++r) {
        if (r > 1) {
            texte += " | ";
        }
        for (char c : liste(r)) {
            texte += c == dba::MarqueValeur ? ',' : c == dba::MarqueSousValeur ? '/' : c;
        }
    }
    return texte;
}

std::vector<std::string> cles(mvdb::Base& base, const std::string& phrase) {
    const dba::ListeResultat liste = base.selectionner(phrase, "0");
    std::vector<std::string> resultat;
    for (int r = 1; r <= liste.DCount(); ++r) {
        resultat.push_back(liste(r, 1));
    }
    return resultat;
}

dba::Erreur erreurDe(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const dba::Erreur& erreur) {
        return erreur;
    }
    return dba::Erreur(0, "aucune erreur");
}
