#include "AnnulationSurSignal.h"

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

namespace outils {

namespace {

constexpr std::array Signaux{SIGTERM, SIGINT, SIGHUP};

enum Action : int { Rien, Supprimer, Remettre };

struct Entree {
    std::atomic<int> action{Rien};
    int dossier = -1;
    // Removed, or put back to: the file of the entry.
    char nom[NAME_MAX + 1] = {};
    // Removed too, or put back from: a second link to the old file.
    char ancien[NAME_MAX + 1] = {};
};

// Blocks of entries made as the files come, never moved nor freed, so that the handler reads
// them while the program takes more: room for a million files written at once.
constexpr std::size_t TailleBloc = 256;
constexpr std::size_t NombreBlocs = 4096;
constexpr std::size_t SansEntree = static_cast<std::size_t>(-1);

std::array<std::atomic<Entree*>, NombreBlocs> blocs{};

// A signal goes to any thread that does not hold it: the handler may run while another thread
// is between a change on the disk and its entry. It then says the process is ending, waits for
// the changes under way (quick, and their thread holds the signals), and no new one begins.
std::atomic<bool> arret{false};
std::atomic<int> changementsEnCours{0};

struct Table {
    std::mutex acces;
    std::vector<std::size_t> libres;
    std::size_t prises = 0;
    bool gestionnaires = false;
};

Table& La_Table() {
    static Table* const table = new Table;
    return *table;
}

Entree* Entree_De(std::size_t rang) {
    if (rang == SansEntree) {
        return nullptr;
    }
    return &blocs[rang / TailleBloc].load(std::memory_order_acquire)[rang % TailleBloc];
}

// At most a second: the thread of a change could itself wait on what the signal interrupted
// (a lock of the allocator), and the process must end all the same.
void Attendre_Changements() {
    timespec debut{};
    ::clock_gettime(CLOCK_MONOTONIC, &debut);
    timespec maintenant = debut;
    while (changementsEnCours.load() > 0 && maintenant.tv_sec - debut.tv_sec < 1) {
        ::clock_gettime(CLOCK_MONOTONIC, &maintenant);
    }
}

void Annuler_Tout(int signal) {
    const int erreur = errno;
    arret.store(true);
    Attendre_Changements();
    for (const auto& bloc : blocs) {
        Entree* entrees = bloc.load(std::memory_order_acquire);
        if (entrees == nullptr) {
            break;
        }
        for (std::size_t rang = 0; rang < TailleBloc; ++rang) {
            const Entree& entree = entrees[rang];
            const int action = entree.action.load(std::memory_order_acquire);
            if (action == Supprimer) {
                ::unlinkat(entree.dossier, entree.nom, 0);
                if (entree.ancien[0] != '\0') {
                    ::unlinkat(entree.dossier, entree.ancien, 0);
                }
            } else if (action == Remettre) {
                ::renameat(entree.dossier, entree.ancien, entree.dossier, entree.nom);
            }
        }
    }
    // The signal again, with its default action: the process ends as it would have, once the
    // handler returns and the signal is no longer held.
    struct sigaction defaut {};
    defaut.sa_handler = SIG_DFL;
    ::sigemptyset(&defaut.sa_mask);
    ::sigaction(signal, &defaut, nullptr);
    ::raise(signal);
    errno = erreur;
}

void Installer_Gestionnaires() {
    struct sigaction gestionnaire {};
    gestionnaire.sa_handler = Annuler_Tout;
    ::sigemptyset(&gestionnaire.sa_mask);
    for (const int signal : Signaux) {
        ::sigaddset(&gestionnaire.sa_mask, signal);
    }
    for (const int signal : Signaux) {
        struct sigaction actuel {};
        if (::sigaction(signal, nullptr, &actuel) == 0 && actuel.sa_handler == SIG_DFL &&
            (actuel.sa_flags & SA_SIGINFO) == 0) {
            ::sigaction(signal, &gestionnaire, nullptr);
        }
    }
}

std::size_t Prendre() {
    Table& table = La_Table();
    const std::lock_guard verrou(table.acces);
    if (!table.gestionnaires) {
        Installer_Gestionnaires();
        table.gestionnaires = true;
    }
    if (!table.libres.empty()) {
        const std::size_t rang = table.libres.back();
        table.libres.pop_back();
        return rang;
    }
    const std::size_t rang = table.prises;
    if (rang / TailleBloc >= NombreBlocs) {
        return SansEntree;
    }
    if (rang % TailleBloc == 0) {
        blocs[rang / TailleBloc].store(new Entree[TailleBloc], std::memory_order_release);
    }
    ++table.prises;
    return rang;
}

void Copier_Nom(char (&destination)[NAME_MAX + 1], const std::string& nom) {
    const std::size_t taille = std::min(nom.size(), static_cast<std::size_t>(NAME_MAX));
    std::memcpy(destination, nom.data(), taille);
    destination[taille] = '\0';
}

sigset_t Ensemble_Signaux() {
    sigset_t ensemble;
    ::sigemptyset(&ensemble);
    for (const int signal : Signaux) {
        ::sigaddset(&ensemble, signal);
    }
    return ensemble;
}

// The entry is emptied before it is changed, so that a handler never reads it half written.
void Noter(Entree* entree, Action action, int dossier, const std::string& nom,
           const std::string& ancien) {
    if (entree == nullptr) {
        return;
    }
    entree->action.store(Rien, std::memory_order_release);
    entree->dossier = dossier;
    Copier_Nom(entree->nom, nom);
    Copier_Nom(entree->ancien, ancien);
    entree->action.store(action, std::memory_order_release);
}

}  // namespace

AnnulationSurSignal::AnnulationSurSignal() : entree_(Prendre()) {}

AnnulationSurSignal::~AnnulationSurSignal() {
    Aucune();
    if (entree_ != SansEntree) {
        Table& table = La_Table();
        const std::lock_guard verrou(table.acces);
        table.libres.push_back(entree_);
    }
}

void AnnulationSurSignal::Supprimer(int dossier, const std::string& nom, const std::string& autre) {
    Noter(Entree_De(entree_), Action::Supprimer, dossier, nom, autre);
}

void AnnulationSurSignal::Remettre(int dossier, const std::string& ancien, const std::string& nom) {
    Noter(Entree_De(entree_), Action::Remettre, dossier, nom, ancien);
}

void AnnulationSurSignal::Aucune() {
    if (Entree* entree = Entree_De(entree_)) {
        entree->action.store(Rien, std::memory_order_release);
    }
}

SignauxRetenus::SignauxRetenus() {
    const sigset_t signaux = Ensemble_Signaux();
    ::pthread_sigmask(SIG_BLOCK, &signaux, &avant_);
    changementsEnCours.fetch_add(1);
    if (arret.load()) {
        // Another thread is undoing everything and ending the process: nothing more is done.
        changementsEnCours.fetch_sub(1);
        for (;;) {
            ::pause();
        }
    }
}

SignauxRetenus::~SignauxRetenus() {
    changementsEnCours.fetch_sub(1);
    ::pthread_sigmask(SIG_SETMASK, &avant_, nullptr);
}

}  // namespace outils
