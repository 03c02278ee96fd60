#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "mvdb/MotDePasse.h"

struct pg_conn;
struct pg_result;

namespace mvdb {

// One parameter of a statement, sent in binary form with its type, so that keys travel as
// bytes and are never decoded as text in some encoding.
struct ParametrePg {
    unsigned int type = 0;  // the server's type oid
    std::string octets;
    bool nul = false;

    static ParametrePg entier(std::int64_t valeur);
    static ParametrePg entier32(std::int32_t valeur);
    static ParametrePg reel(double valeur);
    static ParametrePg reelOuNul(std::optional<double> valeur);
    static ParametrePg booleen(bool valeur);
    static ParametrePg octetsBruts(std::string_view valeur);
    // A bytea[] of the given values.
    static ParametrePg tableauOctets(const std::vector<std::string>& valeurs);
};

// A one-dimension array parameter built element by element: a whole batch of rows travels in
// a few arrays that the server unnests, one round trip for thousands of rows.
class TableauPg {
  public:
    static TableauPg entiers();
    static TableauPg entiers32();
    static TableauPg reels();
    static TableauPg booleens();
    static TableauPg octets();

    // An element of the array's type; a null parameter gives a null element.
    void ajouter(const ParametrePg& element);
    std::size_t taille() const { return taille_; }
    ParametrePg parametre() const;

  private:
    TableauPg(unsigned int typeElement, unsigned int typeTableau)
        : typeElement_(typeElement), typeTableau_(typeTableau) {}

    unsigned int typeElement_;
    unsigned int typeTableau_;
    std::string elements_;
    std::size_t taille_ = 0;
    bool nuls_ = false;
};

// The rows of one statement, every column in binary form.
class ResultatPg {
  public:
    explicit ResultatPg(pg_result* resultat) : resultat_(resultat) {}
    ResultatPg(ResultatPg&& autre) noexcept : resultat_(autre.resultat_) {
        autre.resultat_ = nullptr;
    }
    ResultatPg& operator=(ResultatPg&&) = delete;
    ~ResultatPg();

    int lignes() const;
    std::string_view octets(int ligne, int colonne) const;
    std::int64_t entier(int ligne, int colonne) const;
    std::int32_t entier32(int ligne, int colonne) const;

  private:
    pg_result* resultat_;
};

// One connection to a database server. A connection the server dropped is opened again at
// the start of the next transaction.
class ConnexionPg {
  public:
    // parametres: a postgresql:// URI or a key=value string; affichable: the same without
    // its password, for messages. A connection that fails raises ErrStockage with its cause
    // in French (see EchecConnexion.h).
    ConnexionPg(const std::string& parametres, std::string affichable);
    ConnexionPg(const ConnexionPg&) = delete;
    ConnexionPg& operator=(const ConnexionPg&) = delete;
    ~ConnexionPg();

    // A statement with its parameters; prepared once under `nom` when a name is given.
    ResultatPg executer(const std::string& sql, const std::vector<ParametrePg>& parametres = {},
                        const char* nom = nullptr);
    // A statement without result, in text form (BEGIN, COMMIT, SET...).
    void commander(const std::string& sql);
    // Statements without parameters in one text, sent in one exchange: the answer of the
    // last, in text form unless it comes from a BINARY cursor; the first failure stops them.
    ResultatPg enchainer(const std::string& sql);

    // A prepared statement sent without waiting: its answer is taken later with
    // `reponseEnvoyee`, and meanwhile the server works on it while the caller works on what
    // it has. Answers come in the order sent. A statement executed or sent meanwhile first
    // takes the answer in flight, and raises its failure, being the first one.
    void envoyer(const char* nom, const std::string& sql,
                 const std::vector<ParametrePg>& parametres);
    ResultatPg reponseEnvoyee();
    // Drops the answers sent for and not taken (when the caller gives up, at a transaction's
    // end).
    void oublierEnvois() noexcept;

    bool enTransaction() const;
    // Whether the server dropped the connection, as the last statement found.
    bool perdue() const;
    // Opens the connection again if the server dropped it.
    void retablir();
    const std::string& affichable() const { return affichable_; }
    std::string role() const;

  private:
    void preparer(const char* nom, const std::string& sql, const std::vector<ParametrePg>& types);
    // Takes the answer in flight, if any, and keeps it for `reponseEnvoyee`.
    void recevoirEnVol();

    pg_conn* connexion_;
    std::string affichable_;
    // Every text of the server or of the library goes through it: some echo the connection
    // string.
    MasqueMotDePasse masque_;
    std::set<std::string> preparees_;
    std::deque<ResultatPg> reponses_;
    bool enVol_ = false;
};

}  // namespace mvdb
