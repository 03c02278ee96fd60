#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <string>

// Generated JSON Lines read back: file -> key -> attributes (the "record" array).
struct DemoLue {
    std::map<std::string, std::map<std::string, nlohmann::json>> fichiers;

    static DemoLue lire(const std::string& lignesJson);

    const std::map<std::string, nlohmann::json>& fichier(const std::string& nom) const;
    // Attribute n (from 1) of a record as text, "" past the end; numbers as their decimal text.
    static std::string attribut(const nlohmann::json& record, int n);
    // Value v (from 1) of attribute n.
    static std::string valeur(const nlohmann::json& record, int n, int v);
    static int nombreDeValeurs(const nlohmann::json& record, int n);
};

// The demo of the given seed, made once per process.
const std::string& texteDemo(unsigned graine);
// The demo of the given seed read back, made once per process.
const DemoLue& demoLue(unsigned graine);
