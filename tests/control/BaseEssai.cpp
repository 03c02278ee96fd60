#include "BaseEssai.h"

#include <sstream>

#include "CommandeServeur.h"
#include "mvdb/Base.h"
#include "mvdb/TheClient.h"

namespace essai {

const std::vector<std::string> FichiersDuControle = {
    "ACCORD",         "ACTIVITES",   "ASSOCIATION", "CIVILAIDE", "DEMANDACC",
    "ORGPRISECHARGE", "RESPONSABLE", "SECTEUR",     "COMMUNES",  "COMPTEUR"};

std::string Ligne(const std::string& fichier, const std::string& cle,
                  const std::map<int, nlohmann::json>& attributs) {
    nlohmann::json enregistrement = nlohmann::json::array();
    const int dernier = attributs.empty() ? 0 : attributs.rbegin()->first;
    for (int a = 1; a <= dernier; ++a) {
        const auto trouve = attributs.find(a);
        enregistrement.push_back(trouve == attributs.end() ? nlohmann::json("") : trouve->second);
    }
    return nlohmann::json{{"file", fichier}, {"id", cle}, {"record", enregistrement}}.dump();
}

BaseEssai::BaseEssai(const std::vector<std::string>& lignes, const std::string& motDePasse)
    : chemin_(lieu_.nom("essai.db")) {
    {
        mvdb::Base base = mvdb::Base::creer(Chemin());
        for (const std::string& fichier : FichiersDuControle) {
            base.creerFichier(fichier);
        }
        base.creerFichier("DROITS");
        std::stringstream texte;
        for (const std::string& ligne : lignes) {
            texte << ligne << '\n';
        }
        base.importer(texte);
    }
    client_ = std::make_shared<dba::TheClient>(
        motDePasse.empty() ? Chemin() : Chemin() + " password=" + motDePasse);
}

void BaseEssai::Administrer(const std::string& sql) const {
    commanderSurServeur(Chemin(), sql);
}

BaseEssai::~BaseEssai() {
    client_.reset();
}

std::vector<std::string> DroitsStandard() {
    using nlohmann::json;
    return {
        Ligne("DROITS", "admin",
              {{1, json::array({"AUTRE", "ARDOINE"})},
               {2, json::array({"1", "2"})},
               {3, json::array({"", "*"})}}),
        Ligne("DROITS", "lecteur",
              {{1, json::array({"ARDOINE"})},
               {2, json::array({"1"})},
               {3, json::array({json::array({"S01", "S02"})})}}),
        Ligne("DROITS", "secteur1",
              {{1, json::array({"ARDOINE"})}, {2, json::array({"2"})}, {3, json::array({"S01"})}}),
        Ligne("DROITS", "autre",
              {{1, json::array({"AUTRE"})}, {2, json::array({"2"})}, {3, json::array({"*"})}}),
    };
}

std::vector<std::string> DonneesStandard() {
    std::vector<std::string> lignes = {
        Ligne("ASSOCIATION", "B02", {{1, "BETA AIDE"}}),
        Ligne("ASSOCIATION", "A01", {{1, "ALPHA SERVICES"}}),
        Ligne("RESPONSABLE", "R02", {{1, "MARTIN Anne"}}),
        Ligne("RESPONSABLE", "R01", {{1, "DUPONT Jean"}}),
        Ligne("SECTEUR", "S01", {{1, "NORD"}}),
        Ligne("SECTEUR", "S02", {{1, "SUD"}}),
        Ligne("CIVILAIDE", "00001", {{2, "DURAND"}, {3, "Paul"}, {40, "S01"}}),
        Ligne("CIVILAIDE", "00002", {{2, "LEROY"}, {3, "Marie"}, {40, "S02X"}}),
        Ligne("CIVILAIDE", "00003", {{2, "PETIT"}, {3, "Louis"}, {40, "S03"}}),
    };
    const std::vector<std::string> droits = DroitsStandard();
    lignes.insert(lignes.end(), droits.begin(), droits.end());
    return lignes;
}

}  // namespace essai
