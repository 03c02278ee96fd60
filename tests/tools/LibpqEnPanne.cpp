#include "LibpqEnPanne.h"

#include <dlfcn.h>
#include <libpq-fe.h>
#include <sys/socket.h>

#include <stdexcept>
#include <string>

namespace libpq_en_panne {

namespace {

PlanDePanne planGlobal;
Genre genreGlobal = Genre::Coupure;
std::function<void(int)> terminaison;
// Inside a call already counted (libpq calling its own entry points, or this file calling
// the real functions), nothing is counted again.
thread_local int profondeur = 0;

// A server error with a code of its own (58030: a failing disk on the server) and the
// server's usual English text, which must not reach the user.
const char* const InstructionRefusee =
    "DO $$BEGIN RAISE EXCEPTION 'could not read block 7 in file \"base/16384/16402\": read "
    "only 0 of 8192 bytes' USING ERRCODE = '58030'; END$$";
// The same server on a port where it does not listen: the real libpq fails to connect.
const char* const AutrePort = " port=1";

template <typename Fonction>
Fonction* reelle(const char* nom) {
    void* symbole = ::dlsym(RTLD_NEXT, nom);
    if (symbole == nullptr) {
        throw std::runtime_error(std::string("libpq : ") + nom + " introuvable");
    }
    return reinterpret_cast<Fonction*>(symbole);
}

class Garde {
  public:
    Garde() { ++profondeur; }
    ~Garde() { --profondeur; }
    Garde(const Garde&) = delete;
    Garde& operator=(const Garde&) = delete;
};

enum class Appel { Connexion, Instruction, Reponse };

// Whether this call fails, and what happened to the connection if it does.
bool echouer(Appel appel, PGconn* connexion) {
    if (profondeur > 0) {
        return false;
    }
    const bool compte = genreGlobal != Genre::Refus || appel == Appel::Instruction;
    if (!compte || !planGlobal.echouer()) {
        return false;
    }
    if (connexion == nullptr || genreGlobal == Genre::Refus) {
        return true;
    }
    const Garde garde;
    if (genreGlobal == Genre::Terminaison && terminaison && PQstatus(connexion) == CONNECTION_OK) {
        terminaison(PQbackendPID(connexion));
    } else {
        ::shutdown(PQsocket(connexion), SHUT_RDWR);
    }
    return true;
}

// A statement refused by the server: the real statement is not sent, another that the
// server fails takes its place on the same session.
PGresult* refuser(PGconn* connexion) {
    const Garde garde;
    return PQexec(connexion, InstructionRefusee);
}

}  // namespace

PlanDePanne& plan() {
    return planGlobal;
}

void choisir(Genre genre) {
    genreGlobal = genre;
}

void terminerPar(std::function<void(int pid)> terminer) {
    terminaison = std::move(terminer);
}

}  // namespace libpq_en_panne

using libpq_en_panne::Appel;
using libpq_en_panne::echouer;
using libpq_en_panne::Garde;
using libpq_en_panne::Genre;
using libpq_en_panne::reelle;
using libpq_en_panne::refuser;

// The definitions the store's calls reach. A refused statement is one the server answers
// with an error; otherwise the real call meets the connection as the fault left it.
extern "C" {

PGconn* PQconnectdb(const char* parametres) {
    static auto* const suivante = reelle<decltype(PQconnectdb)>("PQconnectdb");
    const bool echoue = echouer(Appel::Connexion, nullptr);
    const Garde garde;
    return suivante(echoue ? (std::string(parametres) + libpq_en_panne::AutrePort).c_str()
                           : parametres);
}

// A reconnection that fails leaves the connection as it was: lost.
void PQreset(PGconn* connexion) {
    static auto* const suivante = reelle<decltype(PQreset)>("PQreset");
    if (echouer(Appel::Connexion, nullptr)) {
        return;
    }
    const Garde garde;
    suivante(connexion);
}

PGresult* PQexec(PGconn* connexion, const char* sql) {
    static auto* const suivante = reelle<decltype(PQexec)>("PQexec");
    if (echouer(Appel::Instruction, connexion) && libpq_en_panne::genreGlobal == Genre::Refus) {
        return refuser(connexion);
    }
    const Garde garde;
    return suivante(connexion, sql);
}

PGresult* PQexecParams(PGconn* connexion, const char* sql, int nombre, const Oid* types,
                       const char* const* valeurs, const int* longueurs, const int* formats,
                       int formatResultat) {
    static auto* const suivante = reelle<decltype(PQexecParams)>("PQexecParams");
    if (echouer(Appel::Instruction, connexion) && libpq_en_panne::genreGlobal == Genre::Refus) {
        return refuser(connexion);
    }
    const Garde garde;
    return suivante(connexion, sql, nombre, types, valeurs, longueurs, formats, formatResultat);
}

PGresult* PQprepare(PGconn* connexion, const char* nom, const char* sql, int nombre,
                    const Oid* types) {
    static auto* const suivante = reelle<decltype(PQprepare)>("PQprepare");
    if (echouer(Appel::Instruction, connexion) && libpq_en_panne::genreGlobal == Genre::Refus) {
        return refuser(connexion);
    }
    const Garde garde;
    return suivante(connexion, nom, sql, nombre, types);
}

PGresult* PQexecPrepared(PGconn* connexion, const char* nom, int nombre, const char* const* valeurs,
                         const int* longueurs, const int* formats, int formatResultat) {
    static auto* const suivante = reelle<decltype(PQexecPrepared)>("PQexecPrepared");
    if (echouer(Appel::Instruction, connexion) && libpq_en_panne::genreGlobal == Genre::Refus) {
        return refuser(connexion);
    }
    const Garde garde;
    return suivante(connexion, nom, nombre, valeurs, longueurs, formats, formatResultat);
}

int PQsendQueryPrepared(PGconn* connexion, const char* nom, int nombre, const char* const* valeurs,
                        const int* longueurs, const int* formats, int formatResultat) {
    static auto* const suivante = reelle<decltype(PQsendQueryPrepared)>("PQsendQueryPrepared");
    if (echouer(Appel::Instruction, connexion) && libpq_en_panne::genreGlobal == Genre::Refus) {
        const Garde garde;
        return PQsendQuery(connexion, libpq_en_panne::InstructionRefusee);
    }
    const Garde garde;
    return suivante(connexion, nom, nombre, valeurs, longueurs, formats, formatResultat);
}

PGresult* PQgetResult(PGconn* connexion) {
    static auto* const suivante = reelle<decltype(PQgetResult)>("PQgetResult");
    echouer(Appel::Reponse, connexion);
    const Garde garde;
    return suivante(connexion);
}

}  // extern "C"
