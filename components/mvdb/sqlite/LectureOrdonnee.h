#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Sqlite.h"
#include "mvdb/Stockage.h"

namespace mvdb {

// Reads records of one file by keys given in ascending order, with one statement that walks
// the file from a key on: a key held by the row after the one read last (the agreements of a
// person, numbered one after the other) costs one step instead of a search from the root of
// the table, and a key missing between two rows costs no search at all. A key farther on is
// searched for. The statement is reset when the reader goes.
class LectureOrdonnee {
  public:
    // `suite`: SELECT cle, donnees FROM enreg WHERE fichier = ?1 AND cle >= ?2 ORDER BY cle.
    LectureOrdonnee(Instruction& suite, IdFichier fichier);
    LectureOrdonnee(const LectureOrdonnee&) = delete;
    LectureOrdonnee& operator=(const LectureOrdonnee&) = delete;

    // The record of `cle`, which is no smaller than the key asked before.
    std::optional<std::string> lire(std::string_view cle);

  private:
    void chercher(std::string_view cle);
    void avancer();
    Instruction& suite_;
    Remise remise_;
    // The key of the row the statement stands on, valid until it moves.
    std::string_view cleCourante_;
    bool placee_ = false;
    // No row past the position: every key from here on is missing.
    bool auBout_ = false;
};

}  // namespace mvdb
