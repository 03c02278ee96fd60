#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "CompteEchanges.h"

// A TCP relay on the loopback to a PostgreSQL server's Unix socket that holds back every chunk
// by the same delay in each direction, as a slow link to a distant office does, and counts the
// round trips and the bytes that cross it. Clients connect with host=127.0.0.1 port=port().
// It runs on a thread of its own from construction to destruction.
class RelaisRetarde {
  public:
    // socketServeur: the server's socket file (its folder + "/.s.PGSQL." + its port).
    RelaisRetarde(std::string socketServeur, std::chrono::milliseconds delai);
    ~RelaisRetarde();
    RelaisRetarde(const RelaisRetarde&) = delete;
    RelaisRetarde& operator=(const RelaisRetarde&) = delete;

    std::uint16_t port() const;
    // The counts of every connection so far.
    CompteEchanges comptes() const;

  private:
    class Boucle;
    std::unique_ptr<Boucle> boucle_;
};
