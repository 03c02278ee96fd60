#include "BaseTemporaire.h"

#include <unistd.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <sstream>

#include "CommandeServeur.h"

namespace {

std::filesystem::path dossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "mvdb-XXXXXX").string();
    if (mkdtemp(modele.data()) == nullptr) {
        throw std::runtime_error("mkdtemp");
    }
    return modele;
}

// ARDOINE_TEST_SERVEUR: the socket folder of the test cluster (tests/postgres).
std::string serveurEssai() {
    const char* dossier = std::getenv("ARDOINE_TEST_SERVEUR");
    if (dossier == nullptr || *dossier == '\0') {
        return "";
    }
    return std::string("host=") + dossier + " port=5439 user=postgres";
}

}  // namespace

LieuEssai::LieuEssai(bool fichiers)
    : dossier_(dossierTemporaire()),
      serveur_(fichiers ? "" : serveurEssai()),
      prefixe_("essai_" + std::to_string(getpid()) + "_" + dossier_.filename().string().substr(5)) {
    std::transform(prefixe_.begin(), prefixe_.end(), prefixe_.begin(),
                   [](unsigned char c) { return std::tolower(c); });
}

LieuEssai::~LieuEssai() {
    std::error_code ignoree;
    std::filesystem::remove_all(dossier_, ignoree);
    for (const std::string& base : creees_) {
        commanderSurServeur(serveur_ + " dbname=postgres",
                            "DROP DATABASE IF EXISTS " + base + " WITH (FORCE)");
    }
}

std::string LieuEssai::nom(const std::string& court) const {
    if (!surServeur()) {
        return (dossier_ / court).string();
    }
    std::string base = prefixe_ + "_" + court;
    std::replace_if(
        base.begin(), base.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    commanderSurServeur(serveur_ + " dbname=postgres", "CREATE DATABASE " + base);
    creees_.push_back(base);
    return serveur_ + " dbname=" + base;
}

void LieuEssai::administrer(const std::string& base, const std::string& sql) const {
    commanderSurServeur(serveur_ + " dbname=" + base, sql);
}

BaseTemporaire::BaseTemporaire(bool fichier)
    : lieu_(fichier), chemin_(lieu_.nom("base.db")), base_(mvdb::Base::creer(chemin_)) {}

BaseTemporaire::~BaseTemporaire() = default;

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

std::string texteAuHasard(std::size_t longueur) {
    std::minstd_rand hasard(7);
    std::string texte(longueur, ' ');
    for (char& lettre : texte) {
        lettre = static_cast<char>('a' + hasard() % 26);
    }
    return texte;
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
