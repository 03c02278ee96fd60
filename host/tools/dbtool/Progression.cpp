#include "Progression.h"

#include <unistd.h>

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string_view>

namespace dbtool {

namespace {

constexpr std::size_t TailleTampon = 1 << 16;
constexpr auto Intervalle = std::chrono::milliseconds(250);

// "1 h 02 min", "3 min 05 s", "12 s".
std::string Duree(double secondes) {
    const auto total = static_cast<long long>(secondes + 0.5);
    std::ostringstream texte;
    texte << std::setfill('0');
    if (total >= 3600) {
        texte << total / 3600 << " h " << std::setw(2) << total % 3600 / 60 << " min";
    } else if (total >= 60) {
        texte << total / 60 << " min " << std::setw(2) << total % 60 << " s";
    } else {
        texte << total << " s";
    }
    return texte.str();
}

}  // namespace

SuiviLecture::SuiviLecture(std::istream& source, std::ostream& affichage, Fin fin)
    : source_(*source.rdbuf()),
      affichage_(affichage),
      fin_(std::move(fin)),
      tampon_(TailleTampon),
      debut_(std::chrono::steady_clock::now()),
      dernierAffichage_(debut_) {}

SuiviLecture::~SuiviLecture() {
    afficher();
    affichage_ << std::endl;
}

SuiviLecture::int_type SuiviLecture::underflow() {
    const auto lus = source_.sgetn(tampon_.data(), static_cast<std::streamsize>(tampon_.size()));
    if (lus <= 0) {
        return traits_type::eof();
    }
    setg(tampon_.data(), tampon_.data(), tampon_.data() + lus);
    compter(tampon_.data(), static_cast<std::size_t>(lus));
    const auto maintenant = std::chrono::steady_clock::now();
    if (maintenant - dernierAffichage_ >= Intervalle) {
        dernierAffichage_ = maintenant;
        afficher();
    }
    return traits_type::to_int_type(tampon_[0]);
}

// A marker cut in two by the end of a block is missed: the estimate can bear it.
void SuiviLecture::compter(const char* debut, std::size_t taille) {
    const std::string_view bloc(debut, taille);
    octets_ += taille;
    lignes_ += static_cast<std::uint64_t>(std::count(bloc.begin(), bloc.end(), '\n'));
    if (!fin_.repere.empty()) {
        for (auto position = bloc.find(fin_.repere); position != std::string_view::npos;
             position = bloc.find(fin_.repere, position + fin_.repere.size())) {
            ++reperes_;
        }
    }
}

void SuiviLecture::afficher() {
    const double secondes =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - debut_).count();
    affichage_ << '\r' << lignes_ << " enregistrements";
    if (secondes > 0.0) {
        affichage_ << ", " << static_cast<long long>(static_cast<double>(lignes_) / secondes)
                   << " par seconde";
    }
    const double fait = static_cast<double>(fin_.repere.empty() ? octets_ : reperes_);
    if (fin_.total > 0 && fait > 0.0) {
        const double reste = std::max(0.0, static_cast<double>(fin_.total) - fait);
        affichage_ << ", reste environ " << Duree(secondes * reste / fait);
    }
    affichage_ << "   " << std::flush;
}

std::ostream* Terminal_Erreurs(std::ostream& erreurs) {
    return &erreurs == &std::cerr && isatty(STDERR_FILENO) != 0 ? &erreurs : nullptr;
}

}  // namespace dbtool
