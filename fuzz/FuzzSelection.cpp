// The input chooses a small file of records (numbers written several ways, texts, several
// values) and one sentence over it. The selection must give the same rows, in the same
// order, on a database with indexes on attributes 1 and 2 as on one without: whatever plan
// an index allows, the result is the sentence's.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "FuzzCommun.h"
#include "dba/Erreur.h"

namespace {

const std::array<std::string, 16> Valeurs{"",   "0",   "1", "01", "1.0", "-1", "+1", "2",
                                          "10", "9.5", "a", "A",  "ab",  "b",  "é",  " 1"};
const std::array<std::string, 6> Attributs{"0", "1", "2", "3", "N1", "T2"};
const std::array<std::string, 4> Operateurs{"=", ">=", "<=", "<>"};

class Octets {
  public:
    Octets(const std::uint8_t* debut, std::size_t taille) : debut_(debut), taille_(taille) {}
    unsigned suivant() { return position_ < taille_ ? debut_[position_++] : 0U; }
    template <typename Liste>
    const std::string& parmi(const Liste& liste) {
        return liste[suivant() % liste.size()];
    }

  private:
    const std::uint8_t* debut_;
    std::size_t taille_;
    std::size_t position_ = 0;
};

using Json = nlohmann::ordered_json;

Json attribut(Octets& octets) {
    const unsigned forme = octets.suivant();
    if (forme % 4 != 0) {
        return octets.parmi(Valeurs);
    }
    return Json::array({octets.parmi(Valeurs), octets.parmi(Valeurs)});
}

std::string fiches(Octets& octets) {
    std::string lignes = fuzz::ligne("DICT FICHE", "N1", {"D", "1", "", "", "R"}) +
                         fuzz::ligne("DICT FICHE", "T2", {"D", "2", "", "", "L"});
    const unsigned nombre = octets.suivant() % 16;
    for (unsigned i = 0; i < nombre; ++i) {
        Json ligne;
        ligne["file"] = "FICHE";
        ligne["id"] = "K" + std::to_string(octets.suivant() % 20);
        ligne["record"] = Json::array({attribut(octets), attribut(octets), attribut(octets)});
        lignes += ligne.dump() + "\n";
    }
    return lignes;
}

std::string phrase(Octets& octets) {
    std::string texte = "SSELECT FICHE";
    const unsigned clauses = octets.suivant() % 4;
    for (unsigned c = 0; c < clauses; ++c) {
        texte += c == 0 ? " AVEC " : " AND AVEC ";
        texte += octets.parmi(Attributs) + " " + octets.parmi(Operateurs) + " \"" +
                 octets.parmi(Valeurs) + (octets.suivant() % 3 == 0 ? "]" : "") + "\"";
    }
    const unsigned tris = octets.suivant() % 3;
    for (unsigned t = 0; t < tris; ++t) {
        texte += " PAR " + octets.parmi(Attributs);
    }
    return texte;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* debut, std::size_t taille) {
    Octets octets(debut, taille);
    const std::string lignes = fiches(octets);
    const std::string sentence = phrase(octets);
    mvdb::Base simple = fuzz::baseNeuve("simple.db");
    mvdb::Base indexee = fuzz::baseNeuve("indexee.db");
    fuzz::importer(simple, lignes);
    fuzz::importer(indexee, lignes);
    indexee.declarerIndex("FICHE", "1");
    indexee.declarerIndex("FICHE", "T2");
    std::string attendu;
    try {
        attendu = simple.selectionner(sentence, "0 1 2 3").texte();
    } catch (const dba::Erreur&) {
        attendu = "erreur";
    }
    std::string obtenu;
    try {
        obtenu = indexee.selectionner(sentence, "0 1 2 3").texte();
    } catch (const dba::Erreur&) {
        obtenu = "erreur";
    }
    if (obtenu != attendu) {
        std::abort();
    }
    return 0;
}
