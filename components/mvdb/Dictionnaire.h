#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "Attribut.h"
#include "Depot.h"

namespace mvdb {

// The items of one file's dictionary, each compiled once when first named. Lives for one
// selection, so a dictionary change is seen by the next one.
class Dictionnaire : private Resolveur {
  public:
    Dictionnaire(const Depot& depot, const std::string& fichier);

    // A bare attribute number ("6", "0" for the key) or an item. Raises ErrItemInconnu for
    // an unknown item, ErrSyntaxe for a faulty definition.
    std::shared_ptr<const Attribut> attribut(const std::string& nom);
    // The items a sentence names, read together before they are compiled one by one: on a
    // server, one round trip for them all. Numbers and unknown names are left to attribut().
    void annoncer(const std::vector<std::string>& noms);

  private:
    std::shared_ptr<const Attribut> item(const std::string& nom) override;
    IdFichier fichier(const std::string& nom) override;
    int itemsEnCours() const override { return static_cast<int>(enCours_.size()); }
    std::shared_ptr<const Attribut> compiler(const std::string& nom, std::string_view definition);

    const Depot& depot_;
    std::string fichier_;
    std::optional<IdFichier> dictionnaire_;
    std::map<std::string, std::shared_ptr<const Attribut>> compiles_;
    std::map<std::string, std::optional<std::string>, std::less<>> definitions_;
    std::set<std::string> enCours_;
};

// True for a bare attribute number.
bool estNumeroAttribut(std::string_view nom);

}  // namespace mvdb
