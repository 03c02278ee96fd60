#pragma once

#include <cstdio>
#include <mutex>

namespace rapport {

// For its lifetime, what the process writes through the C library's standard error stream goes
// to memory instead; at its end the reports the workbook library writes there in English
// ("[ERROR]...", "[WARNING]..."), which the program replaces with a French message of its own,
// are dropped, and whatever else was written meanwhile goes on to the standard error. The
// stream is swapped, never the descriptor, so that nothing is needed that may fail, files
// open included, and writes straight to the descriptor are left alone. One at a time in the
// process.
class ErreursRetenues {
  public:
    ErreursRetenues();
    ~ErreursRetenues();
    ErreursRetenues(const ErreursRetenues&) = delete;
    ErreursRetenues& operator=(const ErreursRetenues&) = delete;

  private:
    std::lock_guard<std::mutex> seul_;
    std::FILE* originale_ = nullptr;
};

}  // namespace rapport
