#pragma once

#include <stdexcept>
#include <string>

namespace dbtool {

// A command line that does not follow a command's syntax; the text is French.
class ErreurUsage : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace dbtool
