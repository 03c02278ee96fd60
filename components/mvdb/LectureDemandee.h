#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mvdb {

// A grouped read asked for now and taken later: on a server the request travels and runs
// while the caller works on what it has.
class LectureDemandee {
  public:
    virtual ~LectureDemandee() = default;
    // The records, parallel to the keys asked (absent ones empty). Taken once.
    virtual std::vector<std::optional<std::string>> recevoir() = 0;
};

}  // namespace mvdb
