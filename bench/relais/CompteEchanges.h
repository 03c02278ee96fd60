#pragma once

#include <cstdint>

// What went through the relay: the round trips (each time the server speaks after the client
// has spoken since the server's last answer, the client having waited for it) and the bytes
// each way.
struct CompteEchanges {
    std::int64_t allersRetours = 0;
    std::int64_t octetsVersServeur = 0;
    std::int64_t octetsVersClient = 0;
};

// What went through between two readings of the counts.
inline CompteEchanges operator-(const CompteEchanges& apres, const CompteEchanges& avant) {
    return {apres.allersRetours - avant.allersRetours,
            apres.octetsVersServeur - avant.octetsVersServeur,
            apres.octetsVersClient - avant.octetsVersClient};
}
