#pragma once

#include <chrono>
#include <cstdint>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace dbtool {

// How far a long import has gone, on one line of a terminal rewritten in place: the records
// (lines) read, the rate, and the time left when the end is known. The end is known either as
// a number of bytes (a file) or as a number of lines holding a marker (the aided persons of
// generated data).
class SuiviLecture : public std::streambuf {
  public:
    struct Fin {
        std::uint64_t total = 0;  // 0: unknown
        std::string repere;       // empty: the total counts bytes
    };

    SuiviLecture(std::istream& source, std::ostream& affichage, Fin fin);
    // The last figures, and the line ended.
    ~SuiviLecture() override;
    SuiviLecture(const SuiviLecture&) = delete;
    SuiviLecture& operator=(const SuiviLecture&) = delete;

  protected:
    int_type underflow() override;

  private:
    void compter(const char* debut, std::size_t taille);
    void afficher();

    std::streambuf& source_;
    std::ostream& affichage_;
    Fin fin_;
    std::vector<char> tampon_;
    std::uint64_t octets_ = 0;
    std::uint64_t lignes_ = 0;
    std::uint64_t reperes_ = 0;
    std::chrono::steady_clock::time_point debut_;
    std::chrono::steady_clock::time_point dernierAffichage_;
};

// Reads a stream through SuiviLecture when `affichage` is given, as is otherwise.
class FluxSuivi : public std::istream {
  public:
    FluxSuivi(std::istream& source, std::ostream& affichage, SuiviLecture::Fin fin)
        : std::istream(&suivi_), suivi_(source, affichage, std::move(fin)) {}

  private:
    SuiviLecture suivi_;
};

// The standard error stream when it is a terminal; nothing otherwise, so that logs and pipes
// get no progress lines.
std::ostream* Terminal_Erreurs(std::ostream& erreurs);

}  // namespace dbtool
