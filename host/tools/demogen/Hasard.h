#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace demogen {

// The one source of chance of the generator. The engine's output is fixed by the standard,
// unlike the library's distributions, so the same seed gives the same data everywhere.
class Hasard {
  public:
    explicit Hasard(std::uint64_t graine) : moteur_(graine) {}

    // A whole number from min to max, both included.
    int entre(int min, int max) {
        const auto etendue = static_cast<std::uint64_t>(max - min) + 1;
        return min + static_cast<int>(moteur_() % etendue);
    }
    // True with the given chance, in per mille.
    bool pourMille(int chance) { return entre(0, 999) < chance; }

    template <typename T>
    const T& choisir(const std::vector<T>& elements) {
        return elements[static_cast<std::size_t>(entre(0, static_cast<int>(elements.size()) - 1))];
    }

    // An index drawn in proportion to the weights.
    std::size_t selonPoids(const std::vector<int>& poids);

  private:
    std::mt19937_64 moteur_;
};

}  // namespace demogen
