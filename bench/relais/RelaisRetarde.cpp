#include "RelaisRetarde.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <optional>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

struct Paquet {
    Horloge::time_point echeance;
    std::string octets;
};

// One client's connection and the server connection opened for it, with the chunks each way
// waiting for their delay to pass.
struct Liaison {
    int client = -1;
    int serveur = -1;
    std::deque<Paquet> versServeur;
    std::deque<Paquet> versClient;
    bool clientFini = false;
    bool serveurFini = false;
    // The client spoke since the server's last answer: the next answer ends a round trip.
    bool clientAParle = false;

    // A side that hung up has nothing more to say once what it said is delivered.
    bool terminee() const {
        return (clientFini && versServeur.empty()) || (serveurFini && versClient.empty());
    }
};

[[noreturn]] void echec(const std::string& quoi) {
    throw std::runtime_error(quoi + ": " + std::strerror(errno));
}

int ecouterSurBoucleLocale() {
    const int ecoute = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (ecoute < 0) {
        echec("socket");
    }
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(ecoute, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
        ::listen(ecoute, 16) != 0) {
        ::close(ecoute);
        echec("bind/listen");
    }
    return ecoute;
}

int connecterAuServeur(const std::string& chemin) {
    const int prise = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::strncpy(adresse.sun_path, chemin.c_str(), sizeof adresse.sun_path - 1);
    if (prise >= 0 &&
        ::connect(prise, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0) {
        return prise;
    }
    if (prise >= 0) {
        ::close(prise);
    }
    return -1;
}

bool envoyerTout(int prise, const std::string& octets) {
    std::size_t envoyes = 0;
    while (envoyes < octets.size()) {
        const ssize_t n =
            ::send(prise, octets.data() + envoyes, octets.size() - envoyes, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        envoyes += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

class RelaisRetarde::Boucle {
  public:
    Boucle(std::string socketServeur, std::chrono::milliseconds delai)
        : socketServeur_(std::move(socketServeur)), delai_(delai) {
        ecoute_ = ecouterSurBoucleLocale();
        if (::pipe2(reveil_, O_CLOEXEC) != 0) {
            ::close(ecoute_);
            echec("pipe");
        }
        fil_ = std::thread([this] { tourner(); });
    }

    ~Boucle() {
        const char arret = 0;
        (void)!::write(reveil_[1], &arret, 1);
        fil_.join();
        for (auto& liaison : liaisons_) {
            fermer(liaison);
        }
        ::close(ecoute_);
        ::close(reveil_[0]);
        ::close(reveil_[1]);
    }

    std::uint16_t port() const {
        sockaddr_in adresse{};
        socklen_t taille = sizeof adresse;
        ::getsockname(ecoute_, reinterpret_cast<sockaddr*>(&adresse), &taille);
        return ntohs(adresse.sin_port);
    }

    CompteEchanges comptes() const {
        return {allersRetours_.load(), versServeur_.load(), versClient_.load()};
    }

  private:
    void tourner() {
        for (;;) {
            std::vector<pollfd> attentes{{reveil_[0], POLLIN, 0}, {ecoute_, POLLIN, 0}};
            for (const auto& liaison : liaisons_) {
                attentes.push_back(
                    {liaison.client, liaison.clientFini ? short{0} : short{POLLIN}, 0});
                attentes.push_back(
                    {liaison.serveur, liaison.serveurFini ? short{0} : short{POLLIN}, 0});
            }
            ::poll(attentes.data(), attentes.size(), delaiAvantEcheance());
            if (attentes[0].revents != 0) {
                return;
            }
            if (attentes[1].revents & POLLIN) {
                accepter();
            }
            for (std::size_t i = 0; i + 2 < attentes.size() && i / 2 < liaisons_.size(); i += 2) {
                Liaison& liaison = liaisons_[i / 2];
                if (attentes[i + 2].revents != 0) {
                    lireClient(liaison);
                }
                if (attentes[i + 3].revents != 0) {
                    lireServeur(liaison);
                }
            }
            livrerEchus();
        }
    }

    // Milliseconds to the next chunk due, rounded up; -1 (no limit) when none waits.
    int delaiAvantEcheance() const {
        std::optional<Horloge::time_point> prochaine;
        for (const auto& liaison : liaisons_) {
            for (const auto* file : {&liaison.versServeur, &liaison.versClient}) {
                if (!file->empty() && (!prochaine || file->front().echeance < *prochaine)) {
                    prochaine = file->front().echeance;
                }
            }
        }
        if (!prochaine) {
            return -1;
        }
        const auto reste =
            std::chrono::ceil<std::chrono::milliseconds>(*prochaine - Horloge::now());
        return static_cast<int>(std::max<std::int64_t>(reste.count(), 0));
    }

    void accepter() {
        const int client = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            return;
        }
        const int serveur = connecterAuServeur(socketServeur_);
        if (serveur < 0) {
            ::close(client);
            return;
        }
        Liaison liaison;
        liaison.client = client;
        liaison.serveur = serveur;
        liaisons_.push_back(std::move(liaison));
    }

    // Reads what the socket holds into the queue; false when the peer hung up.
    bool lire(int prise, std::deque<Paquet>& file, std::atomic<std::int64_t>& octets) {
        char tampon[65536];
        const ssize_t n = ::recv(prise, tampon, sizeof tampon, 0);
        if (n <= 0) {
            return false;
        }
        file.push_back({Horloge::now() + delai_, std::string(tampon, static_cast<std::size_t>(n))});
        octets += n;
        return true;
    }

    void lireClient(Liaison& liaison) {
        if (lire(liaison.client, liaison.versServeur, versServeur_)) {
            liaison.clientAParle = true;
        } else {
            liaison.clientFini = true;
        }
    }

    void lireServeur(Liaison& liaison) {
        if (!lire(liaison.serveur, liaison.versClient, versClient_)) {
            liaison.serveurFini = true;
        } else if (liaison.clientAParle) {
            liaison.clientAParle = false;
            ++allersRetours_;
        }
    }

    void livrerEchus() {
        const auto maintenant = Horloge::now();
        for (auto& liaison : liaisons_) {
            if (!livrer(liaison.versServeur, liaison.serveur, maintenant)) {
                liaison.serveurFini = true;
                liaison.versClient.clear();
            }
            if (!livrer(liaison.versClient, liaison.client, maintenant)) {
                liaison.clientFini = true;
                liaison.versServeur.clear();
            }
        }
        std::erase_if(liaisons_, [](Liaison& liaison) {
            if (!liaison.terminee()) {
                return false;
            }
            fermer(liaison);
            return true;
        });
    }

    // Sends the chunks whose delay has passed; false when the socket refuses them.
    static bool livrer(std::deque<Paquet>& file, int prise, Horloge::time_point maintenant) {
        while (!file.empty() && file.front().echeance <= maintenant) {
            if (!envoyerTout(prise, file.front().octets)) {
                file.clear();
                return false;
            }
            file.pop_front();
        }
        return true;
    }

    static void fermer(Liaison& liaison) {
        ::close(liaison.client);
        ::close(liaison.serveur);
    }

    std::string socketServeur_;
    std::chrono::milliseconds delai_;
    int ecoute_ = -1;
    int reveil_[2] = {-1, -1};
    std::vector<Liaison> liaisons_;
    std::atomic<std::int64_t> allersRetours_{0};
    std::atomic<std::int64_t> versServeur_{0};
    std::atomic<std::int64_t> versClient_{0};
    std::thread fil_;
};

RelaisRetarde::RelaisRetarde(std::string socketServeur, std::chrono::milliseconds delai)
    : boucle_(std::make_unique<Boucle>(std::move(socketServeur), delai)) {}

RelaisRetarde::~RelaisRetarde() = default;

std::uint16_t RelaisRetarde::port() const {
    return boucle_->port();
}

CompteEchanges RelaisRetarde::comptes() const {
    return boucle_->comptes();
}
