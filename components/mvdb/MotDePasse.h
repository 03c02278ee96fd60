#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mvdb {

// A postgresql:// or postgres:// URI.
bool estUriServeur(std::string_view nom);
// A URI, or what was meant as one: a scheme, ':' and '/' ("POSTGRESQL://", "postgresql:/"),
// or "postgres" in any case and ':'. Its password is found by the rules of a URI.
bool ressembleAUneUri(std::string_view nom);

// Where a database name (see NomBase.h) holds a password, as written: after the ':' of a
// URI's user information, in a "password" query parameter (its name maybe percent-encoded),
// or as the value of a "password" keyword, quoted or not. The user information of a URI is
// taken to end at the last '@' of the whole name: a password holding '/', '?' or '@' would
// otherwise end early and its rest be shown. A URI without '@' whose host is followed by a
// ':' and something that is no port was meant as "role:password", the host forgotten: from
// there to its end it is masked. Spans are sorted and never overlap.
struct Plage {
    std::size_t debut;
    std::size_t fin;
};
// Runs before any constructor of static life, as genreNom does (NomBase.h), under the same
// constraint: constant data only.
std::vector<Plage> plagesMotDePasse(std::string_view nom);

// What a message must not show of a name's passwords: each as written and as the server's
// client library reads it (percent-decoded, unquoted), and the pieces of each between the
// characters that break a URI into parts or keywords apart, for a name that library parses
// otherwise than it was meant (a raw '/' in a password makes a port and a database name of its
// pieces, an unquoted space a keyword of its rest).
class MasqueMotDePasse {
  public:
    explicit MasqueMotDePasse(std::string_view nom);

    bool vide() const { return secrets_.empty(); }
    // The text with every occurrence of a secret masked; a piece of fewer than four
    // characters only where it stands as a word, so that the rest of the text still reads.
    std::string appliquer(std::string_view texte) const;

  private:
    std::vector<std::string> secrets_;  // the longest first
};

// What stands for a password in every message.
inline constexpr std::string_view MasqueAffiche = "*****";

}  // namespace mvdb
