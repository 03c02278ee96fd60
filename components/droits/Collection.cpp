#include "Collection.h"

namespace droits {

std::string Collection::Item(std::int32_t i) const {
    if (i < 1 || i > Count()) {
        return {};
    }
    return elements_[static_cast<std::size_t>(i - 1)];
}

}  // namespace droits
