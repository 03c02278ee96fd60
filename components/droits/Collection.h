#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "droits/ExportDroits.h"

namespace droits {

// A collection of texts counted from 1.
class ARDOINE_DROITS_EXPORT Collection {
  public:
    std::int32_t Count() const { return static_cast<std::int32_t>(elements_.size()); }
    // Element i, from 1; empty past the end.
    std::string Item(std::int32_t i) const;
    void Add(std::string element) { elements_.push_back(std::move(element)); }
    void Clear() { elements_.clear(); }

  private:
    std::vector<std::string> elements_;
};

}  // namespace droits
