#pragma once

#include <istream>
#include <streambuf>
#include <string>

#include "GenerateurDemo.h"

namespace demogen {

// The generator read as a stream: each batch is made when the reader needs it, so an import
// can take the largest size without the whole text ever being held.
class TamponDemo : public std::streambuf {
  public:
    explicit TamponDemo(GenerateurDemo& generateur) : generateur_(generateur) {}

  protected:
    int_type underflow() override;

  private:
    GenerateurDemo& generateur_;
    std::string lot_;
};

class FluxDemo : public std::istream {
  public:
    explicit FluxDemo(GenerateurDemo& generateur) : std::istream(&tampon_), tampon_(generateur) {}

  private:
    TamponDemo tampon_;
};

}  // namespace demogen
