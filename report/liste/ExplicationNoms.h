#pragma once

#include <map>
#include <string>
#include <vector>

namespace dba {
class TheDatabase;
}

namespace rapport {

// What the dictionaries call the attributes the explanation speaks of: for each file, the D
// item of each attribute number (the first by key when several name the same attribute).
class NomsAttributs {
  public:
    // The D items of the dictionaries of the files; a file without a dictionary names nothing.
    static NomsAttributs Lire(dba::TheDatabase& base, const std::vector<std::string>& fichiers);

    // "DateFinAccord", or "attribut 18 du fichier ACCORD" when no item names it.
    std::string Nom(const std::string& fichier, int attribut) const;
    // An attribute as a sentence on the file gives it: a number is named as above, an item
    // is its own name.
    std::string Nom(const std::string& fichier, const std::string& attribut) const;

  private:
    std::map<std::string, std::map<int, std::string>> noms_;
};

}  // namespace rapport
