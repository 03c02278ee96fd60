#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "Postgres.h"
#include "mvdb/Stockage.h"

namespace mvdb {

// The writes of one transaction, held back and sent by thousands in a few statements: on a
// server each statement is a round trip, and an import makes three or four per record.
// Whoever reads in the transaction sends the batch first, so every read sees every write.
// A failure of a held-back write surfaces when the batch is sent, and the transaction is
// then rolled back whole.
class LotEcriture {
  public:
    explicit LotEcriture(ConnexionPg& connexion) : connexion_(connexion) {}

    void ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                std::optional<double> nombre);
    void ajouterEntree(const EntreeIndex& entree);
    void retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                       std::string_view valeur);

    // Sends what is held back.
    void envoyer();
    // Forgets what is held back, with the transaction that rolls back.
    void abandonner() noexcept;
    // Rows sent since the connection opened.
    std::size_t lignesEnvoyees() const { return envoyees_; }

  private:
    // Each kind of row travels in its own arrays, sent by one statement.
    struct Enregistrements {
        TableauPg fichiers = TableauPg::entiers();
        TableauPg cles = TableauPg::octets();
        TableauPg donnees = TableauPg::octets();
        TableauPg nombres = TableauPg::reels();
        // One statement cannot write a key twice: a key met again sends the batch first.
        std::unordered_set<std::string> ecrites;

        std::vector<ParametrePg> parametres() const;
    };
    // What names an entry: enough to remove it.
    struct Entrees {
        TableauPg fichiers = TableauPg::entiers();
        TableauPg attributs = TableauPg::entiers32();
        TableauPg textes = TableauPg::octets();
        TableauPg cles = TableauPg::octets();

        std::vector<ParametrePg> parametres() const;
    };
    struct EntreesAjoutees : Entrees {
        TableauPg nombres = TableauPg::reels();
        TableauPg multiples = TableauPg::booleens();

        std::vector<ParametrePg> parametres() const;
    };

    void envoyerSiPlein();
    // Sends the rows of one kind held back, if any, and starts that kind afresh.
    template <typename Lignes>
    void envoyerLignes(Lignes& lignes, const char* nom, const char* sql);
    static std::string designation(IdFichier fichier, std::string_view cle);

    ConnexionPg& connexion_;
    Enregistrements enregistrements_;
    Entrees retraits_;
    EntreesAjoutees ajouts_;
    std::size_t octets_ = 0;
    std::size_t envoyees_ = 0;
};

}  // namespace mvdb
