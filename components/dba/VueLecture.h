#pragma once

#include <memory>

#include "dba/ExportBase.h"

namespace dba {

// A frozen read view of a database (TheDatabase::FigerLecture): while the handle holds it,
// every read of that database sees the same state. The handle moves, never copies, so one
// owner decides when the view ends; an empty handle holds none.
class ARDOINE_BASE_EXPORT VueLecture {
  public:
    // What a database keeps open for a view, released with it.
    class ARDOINE_BASE_EXPORT Tenue {
      public:
        virtual ~Tenue() = default;
    };

    VueLecture() = default;
    explicit VueLecture(std::unique_ptr<Tenue> tenue) : tenue_(std::move(tenue)) {}

    // Ends the view before the handle goes: the reads that follow see the database as it is.
    void reset() noexcept { tenue_.reset(); }

  private:
    std::unique_ptr<Tenue> tenue_;
};

}  // namespace dba
