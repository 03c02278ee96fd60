#pragma once

#include <functional>

#include "PlanDePanne.h"

// Faults at the boundary between the server store and libpq. The server cannot be made to
// fail on cue, so the test process defines the libpq functions that speak to the server
// (connect, reconnect, exec, prepare, send, get result); the store's calls reach these, which
// hand each call on to the real libpq, found behind them in the link, unless the plan says
// this call fails. The store is compiled as shipped: nothing in it knows of the test. Calls
// libpq makes within itself pass straight through and are not counted.
namespace libpq_en_panne {

enum class Genre {
    // The connection's socket is shut down just before the call: libpq itself finds the
    // connection lost, as when a network or the server goes away.
    Coupure,
    // The server ends the session (pg_terminate_backend from another session, through
    // `terminer`) just before the call: the store reads the server's own farewell.
    Terminaison,
    // The server refuses the statement with an error of its own, as a full or failing disk
    // on the server does; the transaction is aborted on the server. Only calls that send a
    // statement count.
    Refus,
};

PlanDePanne& plan();
void choisir(Genre genre);
// How Terminaison ends the server session of the given backend process id.
void terminerPar(std::function<void(int pid)> terminer);

}  // namespace libpq_en_panne
