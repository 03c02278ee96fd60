#pragma once

#include <string>

struct pg_conn;

namespace mvdb {

class MasqueMotDePasse;

// Why a connection to the server could not be made, in the user's words. The server's own
// refusals carry a state code (the connection asks for them with its errors); before the
// server answers, the client library gives only a text, which is read for the few causes it
// names in its own words, else a general sentence is followed by that text in brackets.
// Every text of the library is masked: it may echo parts of the connection string.
// delaiDepasse: the connection gave up waiting for the server.
std::string causeEchecConnexion(pg_conn* connexion, bool delaiDepasse,
                                const MasqueMotDePasse& masque);

// The general sentence for a connection string the client library cannot read, its text in
// brackets; empty when it reads it.
std::string causeNomIllisible(const std::string& parametres, const MasqueMotDePasse& masque);

}  // namespace mvdb
