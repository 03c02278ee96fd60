#pragma once

#include <exception>
#include <string>

#include "dba/Erreur.h"

namespace mvdb {

// The lines of an import could not be read to their end (a failing disk, a folder given for
// a file, a source that broke off): that is no end of the input, and nothing of the import is
// stored. ErrImport, like a faulty line.
class ErreurLecture : public dba::Erreur {
  public:
    // lignesLues: the lines read before the failure; cause: a French text.
    ErreurLecture(int lignesLues, const std::string& cause);

    // The same text naming what was read: "de « lignes.jsonl »", "de l'entrée standard".
    std::string texteNommant(const std::string& source) const;

  private:
    int lignesLues_;
    std::string cause_;
};

// The French cause of what a stream raised while it was read.
std::string causeDeLecture(const std::exception& echec);

}  // namespace mvdb
