#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace mvdb {

// A prepared statement. Keys and values are bound and read as blobs so that every comparison
// SQLite makes is the byte order the sentences rely on.
class Instruction {
  public:
    // chemin: the database file as the user named it, for the error messages.
    Instruction(sqlite3* connexion, std::shared_ptr<const std::string> chemin,
                std::string_view sql);
    Instruction(Instruction&& autre) noexcept;
    Instruction& operator=(Instruction&&) = delete;
    ~Instruction();

    Instruction& lier(int rang, std::int64_t valeur);
    Instruction& lier(int rang, double valeur);
    Instruction& lierOctets(int rang, std::string_view octets);
    Instruction& lierTexte(int rang, std::string_view texte);
    Instruction& lierNul(int rang);

    // One step: true while a row is available.
    bool avancer();
    // Ready to run again, bindings kept. A statement left unreset would hold its read
    // transaction open and pin an old snapshot.
    void reinitialiser();

    std::int64_t entier(int colonne) const;
    std::string_view octets(int colonne) const;
    bool estNul(int colonne) const;

  private:
    sqlite3* connexion_;
    std::shared_ptr<const std::string> chemin_;
    sqlite3_stmt* instruction_;
};

// Resets a statement when the scope that runs it ends, whatever happens.
class Remise {
  public:
    explicit Remise(Instruction& instruction) : instruction_(instruction) {}
    Remise(const Remise&) = delete;
    Remise& operator=(const Remise&) = delete;
    ~Remise() { instruction_.reinitialiser(); }

  private:
    Instruction& instruction_;
};

// One connection to a database file. Reads never map the file into memory: a file replaced or
// shrunk under a reader must give an error, not a SIGBUS.
class Connexion {
  public:
    enum class Ouverture { Creation, LectureEcriture, LectureSeule };
    Connexion(const std::string& chemin, Ouverture ouverture);
    Connexion(Connexion&& autre) noexcept;
    Connexion& operator=(Connexion&&) = delete;
    ~Connexion();

    void executer(const std::string& sql) const;
    Instruction preparer(std::string_view sql) const {
        return Instruction(connexion_, chemin_, sql);
    }
    sqlite3* brute() const { return connexion_; }
    const std::string& chemin() const { return *chemin_; }

  private:
    std::shared_ptr<const std::string> chemin_;
    sqlite3* connexion_;
};

// Raises the storage failure of the last call on the connection: ErrStockage with a French
// text naming its cause and the database file.
[[noreturn]] void echecStockage(sqlite3* connexion, const std::string& chemin);

}  // namespace mvdb
