#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace demogen {

// One record of the interchange format, built attribute by attribute. Attributes left unset
// before a set one are written as empty texts; trailing ones are left out.
class LigneJsonl {
  public:
    LigneJsonl(std::string_view fichier, std::string_view cle);

    // valeur: a text, a number, a list of values (each a text, a number or a list of
    // subvalues). Attributes are numbered from 1.
    LigneJsonl& definir(int attribut, nlohmann::ordered_json valeur);

    // Appends the record as one line, ending with a line feed.
    void ajouterA(std::string& lignes) const;

  private:
    nlohmann::ordered_json ligne_;
};

}  // namespace demogen
