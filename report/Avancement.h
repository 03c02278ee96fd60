#pragma once

#include <cstdint>
#include <memory>

namespace rapport {

// What a print run shows of itself on whatever started it: the busy state while it selects or
// walks, and the progress bar of the walk. A run without a form is given one that shows
// nothing.
class Avancement {
  public:
    // Busy for as long as the object returned lives; nested, each gives back what it found.
    class Occupation {
      public:
        virtual ~Occupation() = default;
    };

    virtual ~Avancement() = default;
    virtual std::unique_ptr<Occupation> Occuper() = 0;
    // The walk about to start takes `rangees` steps.
    virtual void Longueur(std::int64_t rangees) = 0;
    virtual void Montrer() = 0;
    // The walk reached row `rangee`.
    virtual void Avancer(std::int64_t rangee) = 0;
    // The run failed: its progress goes away with it.
    virtual void Effacer() = 0;
};

}  // namespace rapport
