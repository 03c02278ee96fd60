// ardoine_relais SOCKET DELAI_MS: relays 127.0.0.1:<port printed> to the PostgreSQL server
// socket SOCKET, each direction held back DELAI_MS milliseconds, until its standard input
// closes; then prints the round trips and bytes that crossed it.
#include <chrono>
#include <iostream>
#include <string>

#include "RelaisRetarde.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ardoine_relais SOCKET DELAI_MS\n";
        return 2;
    }
    RelaisRetarde relais(argv[1], std::chrono::milliseconds(std::stoi(argv[2])));
    std::cout << "port " << relais.port() << std::endl;
    std::string ligne;
    while (std::getline(std::cin, ligne)) {
    }
    const CompteEchanges comptes = relais.comptes();
    std::cout << "allers-retours " << comptes.allersRetours << "\noctets vers le serveur "
              << comptes.octetsVersServeur << "\noctets vers le client " << comptes.octetsVersClient
              << std::endl;
    return 0;
}
