#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace droits {

// The sectors whose aided persons a user may see: a list of codes, or "*" for every sector.
// The default is none.
class SecteursAutorises {
  public:
    SecteursAutorises() = default;
    // Codes separated by the subvalue mark, as the DROITS file holds them.
    explicit SecteursAutorises(std::string_view sousValeurs);

    bool Tous() const { return tous_; }
    bool Autorise(std::string_view secteur) const;

  private:
    bool tous_ = false;
    std::vector<std::string> secteurs_;
};

}  // namespace droits
