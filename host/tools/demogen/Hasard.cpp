#include "Hasard.h"

#include <numeric>

namespace demogen {

std::size_t Hasard::selonPoids(const std::vector<int>& poids) {
    int tirage = entre(1, std::accumulate(poids.begin(), poids.end(), 0));
    std::size_t i = 0;
    while (tirage > poids[i]) {
        tirage -= poids[i];
        ++i;
    }
    return i;
}

}  // namespace demogen
