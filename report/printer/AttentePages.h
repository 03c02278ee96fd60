#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

namespace imprimante {

// Where a waiting page stands in the file.
struct PlaceAttente {
    std::int64_t debut = 0;
    std::int64_t taille = 0;
};

// The one file where the pages of every document of the process wait to be printed, so that a
// run of a thousand documents (a file per group) holds one descriptor and one temporary file,
// not a thousand. It has no name (made in the temporary folder, readable by this process alone
// and gone with it, whatever the end of the run), its room is handed out and taken back by
// the documents, and it is closed when none holds a place in it, so that the disk space goes
// back and the next document takes the temporary folder of its own time. A failure raises
// dba::Erreur naming the folder.
class AttentePages {
  public:
    static AttentePages& Partagee();

    PlaceAttente Ajouter(const std::string& octets);
    std::string Lire(const PlaceAttente& place) const;
    void Liberer(const PlaceAttente& place) noexcept;

    AttentePages(const AttentePages&) = delete;
    AttentePages& operator=(const AttentePages&) = delete;

  private:
    AttentePages() = default;
    ~AttentePages() = default;

    [[noreturn]] void Echouer(int erreur) const;
    void Ouvrir();
    std::int64_t Allouer(std::int64_t taille);
    void Ecrire(const std::string& octets, std::int64_t debut) const;
    void Rendre(const PlaceAttente& place) noexcept;

    mutable std::mutex acces_;
    int fichier_ = -1;
    std::string dossier_;
    std::int64_t fin_ = 0;
    // The free stretches below fin_, by their start: start to length, never two side by side.
    std::map<std::int64_t, std::int64_t> libres_;
    std::int64_t places_ = 0;
};

}  // namespace imprimante
