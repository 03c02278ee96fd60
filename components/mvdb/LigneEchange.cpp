#include <nlohmann/json.hpp>
#include <stdexcept>

#include "Interchange.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

using Json = nlohmann::ordered_json;

bool estMarque(char c) {
    return c == dba::MarqueAttribut || c == dba::MarqueValeur || c == dba::MarqueSousValeur;
}

std::string scalaire(const Json& valeur, const std::string& ou) {
    if (valeur.is_string()) {
        return valeur.get<std::string>();
    }
    if (valeur.is_number()) {
        return valeur.dump();
    }
    throw std::invalid_argument(ou + " : texte ou nombre attendu");
}

std::string valeurDe(const Json& valeur, const std::string& ou) {
    if (!valeur.is_array()) {
        return scalaire(valeur, ou);
    }
    std::vector<std::string> sousValeurs;
    for (const Json& sousValeur : valeur) {
        sousValeurs.push_back(
            scalaire(sousValeur, ou + ", sous-valeur " + std::to_string(sousValeurs.size() + 1)));
    }
    return dba::joindre(sousValeurs, dba::MarqueSousValeur);
}

std::string attributDe(const Json& attribut, int numero) {
    const std::string ou = "attribut " + std::to_string(numero);
    if (!attribut.is_array()) {
        return scalaire(attribut, ou);
    }
    std::vector<std::string> valeurs;
    for (const Json& valeur : attribut) {
        valeurs.push_back(valeurDe(valeur, ou + ", valeur " + std::to_string(valeurs.size() + 1)));
    }
    return dba::joindre(valeurs, dba::MarqueValeur);
}

std::string donneesDe(const Json& enregistrement) {
    if (!enregistrement.is_array()) {
        throw std::invalid_argument("le champ « record » doit être une liste");
    }
    std::vector<std::string> attributs;
    for (const Json& attribut : enregistrement) {
        attributs.push_back(attributDe(attribut, static_cast<int>(attributs.size() + 1)));
    }
    while (!attributs.empty() && attributs.back().empty()) {
        attributs.pop_back();
    }
    return dba::joindre(attributs, dba::MarqueAttribut);
}

std::string texteObligatoire(const Json& objet, const char* champ, const char* siVide) {
    const auto trouve = objet.find(champ);
    if (trouve == objet.end()) {
        throw std::invalid_argument(std::string("champ « ") + champ + " » manquant");
    }
    if (!trouve->is_string()) {
        throw std::invalid_argument(std::string("le champ « ") + champ + " » doit être un texte");
    }
    if (trouve->get<std::string>().empty()) {
        throw std::invalid_argument(siVide);
    }
    return trouve->get<std::string>();
}

Json analyser(std::string_view ligne) {
    for (const char c : ligne) {
        if (estMarque(c)) {
            throw std::invalid_argument(
                "marque de tableau dynamique (octet 0xFC, 0xFD ou 0xFE) dans un texte");
        }
    }
    try {
        return Json::parse(ligne);
    } catch (const Json::parse_error& erreur) {
        throw std::invalid_argument("JSON invalide à l'octet " + std::to_string(erreur.byte));
    }
}

LigneEchange convertir(const Json& objet) {
    if (!objet.is_object()) {
        throw std::invalid_argument("objet JSON attendu");
    }
    for (const auto& [champ, valeur] : objet.items()) {
        if (champ != "file" && champ != "id" && champ != "record") {
            throw std::invalid_argument("champ « " + champ + " » inconnu");
        }
    }
    LigneEchange ligne;
    ligne.fichier = texteObligatoire(objet, "file", "nom de fichier vide");
    ligne.cle = texteObligatoire(objet, "id", "clé vide");
    const auto enregistrement = objet.find("record");
    if (enregistrement == objet.end()) {
        throw std::invalid_argument("champ « record » manquant");
    }
    ligne.donnees = donneesDe(*enregistrement);
    return ligne;
}

Json valeurVersJson(std::string_view valeur) {
    if (valeur.find(dba::MarqueSousValeur) == std::string_view::npos) {
        return std::string(valeur);
    }
    Json sousValeurs = Json::array();
    for (const std::string_view sousValeur : dba::decouper(valeur, dba::MarqueSousValeur)) {
        sousValeurs.push_back(std::string(sousValeur));
    }
    return sousValeurs;
}

Json attributVersJson(std::string_view attribut) {
    if (attribut.find_first_of(std::string{dba::MarqueValeur, dba::MarqueSousValeur}) ==
        std::string_view::npos) {
        return std::string(attribut);
    }
    Json valeurs = Json::array();
    for (const std::string_view valeur : dba::decouper(attribut, dba::MarqueValeur)) {
        valeurs.push_back(valeurVersJson(valeur));
    }
    return valeurs;
}

}  // namespace

LigneEchange lireLigneEchange(std::string_view ligne) {
    return convertir(analyser(ligne));
}

std::string ecrireLigneEchange(const std::string& fichier, std::string_view cle,
                               std::string_view donnees) {
    Json enregistrement = Json::array();
    for (const std::string_view attribut : dba::decouper(donnees, dba::MarqueAttribut)) {
        enregistrement.push_back(attributVersJson(attribut));
    }
    Json ligne;
    ligne["file"] = fichier;
    ligne["id"] = std::string(cle);
    ligne["record"] = std::move(enregistrement);
    return ligne.dump();
}

}  // namespace mvdb
