#pragma once

#include <signal.h>

#include <cstddef>
#include <string>

namespace outils {

// What a file being written leaves to undo if SIGTERM, SIGINT or SIGHUP ends the process: a
// provisional file to remove, or a target replaced whose old file is to be put back (or, when
// there was none, which is to be removed). The entries live in a table allocated beforehand,
// which the signal handler walks with system calls by descriptor alone (unlinkat, renameat),
// the only ones a handler may make; it then ends the process as the signal would have. The
// handler is put on the first entry taken, and only for a signal the process left to its
// default action: one a host ignores or handles itself stays its own.
class AnnulationSurSignal {
  public:
    // Takes an entry with nothing to undo.
    AnnulationSurSignal();
    // Gives the entry back; nothing is undone.
    ~AnnulationSurSignal();
    AnnulationSurSignal(const AnnulationSurSignal&) = delete;
    AnnulationSurSignal& operator=(const AnnulationSurSignal&) = delete;

    // On a signal, `nom` in the folder `dossier` (a descriptor) is removed, and `autre` too
    // when it is not empty.
    void Supprimer(int dossier, const std::string& nom, const std::string& autre = {});
    // On a signal, `ancien` is renamed back to `nom` in the folder `dossier`.
    void Remettre(int dossier, const std::string& ancien, const std::string& nom);
    // Nothing to undo any more.
    void Aucune();

  private:
    std::size_t entree_;
};

// For its lifetime, SIGTERM, SIGINT and SIGHUP wait in this thread: around a change on the disk
// and the entry that says how to undo it, which a signal must not come between.
class SignauxRetenus {
  public:
    SignauxRetenus();
    ~SignauxRetenus();
    SignauxRetenus(const SignauxRetenus&) = delete;
    SignauxRetenus& operator=(const SignauxRetenus&) = delete;

  private:
    sigset_t avant_;
};

}  // namespace outils
