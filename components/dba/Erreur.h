#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "dba/ExportBase.h"

namespace dba {

// Every failure of the components is raised as an Erreur: a number the caller can test and a
// French text meant for the user.
class ARDOINE_BASE_EXPORT Erreur : public std::runtime_error {
  public:
    Erreur(std::uint32_t numero, const std::string& texte)
        : std::runtime_error(texte), numero_(numero) {}
    std::uint32_t numero() const { return numero_; }
    std::string texte() const { return what(); }

  private:
    std::uint32_t numero_;
};

// Numbers raised by the components. Callers test ErrNonTrouve, and the tools ErrSansServeur and
// ErrNomBase (mistakes in the command line); the others tell support staff which kind of failure a user
// reported.
inline constexpr std::uint32_t ErrNonTrouve = 0x8004000B;       // key without record
inline constexpr std::uint32_t ErrSyntaxe = 0x80040101;         // malformed sentence or expression
inline constexpr std::uint32_t ErrFichierInconnu = 0x80040102;  // file not in the database
inline constexpr std::uint32_t ErrItemInconnu = 0x80040103;     // item not in the dictionary
inline constexpr std::uint32_t ErrStockage = 0x80040104;        // the storage failed
inline constexpr std::uint32_t ErrImport = 0x80040105;          // bad interchange line
inline constexpr std::uint32_t ErrArgument = 0x80040106;        // bad argument to an operation
inline constexpr std::uint32_t ErrSansServeur = 0x80040107;     // server name, no server store
inline constexpr std::uint32_t ErrNomBase = 0x80040108;         // misspelled server address
inline constexpr std::uint32_t ErrDroits = 0x80040201;          // access-rights component
inline constexpr std::uint32_t ErrImprimante = 0x80040301;      // printer failure
inline constexpr std::uint32_t ErrSaisie = 0x80040401;          // criterion refused by the control

}  // namespace dba
