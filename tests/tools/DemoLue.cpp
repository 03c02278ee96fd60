#include "DemoLue.h"

#include <sstream>
#include <stdexcept>

#include "demogen/GenerateurDemo.h"

namespace {

std::string enTexte(const nlohmann::json& v) {
    if (v.is_string()) {
        return v.get<std::string>();
    }
    if (v.is_number()) {
        return v.dump();
    }
    throw std::runtime_error("valeur inattendue : " + v.dump());
}

}  // namespace

DemoLue DemoLue::lire(const std::string& lignesJson) {
    DemoLue demo;
    std::istringstream flux(lignesJson);
    for (std::string ligne; std::getline(flux, ligne);) {
        const auto j = nlohmann::json::parse(ligne);
        auto [it, nouveau] = demo.fichiers[j.at("file").get<std::string>()].emplace(
            j.at("id").get<std::string>(), j.at("record"));
        if (!nouveau) {
            throw std::runtime_error("clé en double : " + ligne);
        }
    }
    return demo;
}

const std::map<std::string, nlohmann::json>& DemoLue::fichier(const std::string& nom) const {
    return fichiers.at(nom);
}

std::string DemoLue::attribut(const nlohmann::json& record, int n) {
    return valeur(record, n, 1);
}

std::string DemoLue::valeur(const nlohmann::json& record, int n, int v) {
    const auto i = static_cast<std::size_t>(n - 1);
    if (i >= record.size()) {
        return "";
    }
    if (!record[i].is_array()) {
        return v == 1 ? enTexte(record[i]) : "";
    }
    const auto j = static_cast<std::size_t>(v - 1);
    return j < record[i].size() ? enTexte(record[i][j]) : "";
}

int DemoLue::nombreDeValeurs(const nlohmann::json& record, int n) {
    const auto i = static_cast<std::size_t>(n - 1);
    if (i >= record.size()) {
        return 0;
    }
    return record[i].is_array() ? static_cast<int>(record[i].size()) : 1;
}

const std::string& texteDemo(unsigned graine) {
    static std::map<unsigned, std::string> textes;
    auto it = textes.find(graine);
    if (it == textes.end()) {
        std::ostringstream sortie;
        demogen::GenerateurDemo(demogen::DonneesReference::charger(ARDOINE_DATA_DIR),
                                demogen::TailleDemo::parNom("demo"), graine)
            .ecrireTout(sortie);
        it = textes.emplace(graine, sortie.str()).first;
    }
    return it->second;
}

const DemoLue& demoLue(unsigned graine) {
    static std::map<unsigned, DemoLue> lues;
    auto it = lues.find(graine);
    if (it == lues.end()) {
        it = lues.emplace(graine, DemoLue::lire(texteDemo(graine))).first;
    }
    return it->second;
}
