#pragma once

#include <memory>
#include <string>

#include "LotEcriture.h"
#include "Postgres.h"
#include "mvdb/Creation.h"
#include "mvdb/Mode.h"
#include "mvdb/Stockage.h"

namespace mvdb {

// A database on a PostgreSQL server, in its own schema of a server database: the store an
// office shares. Keys, entries and names are bytea, which the server compares byte-wise, so
// no collation ever decides an order. Reads views are REPEATABLE READ READ ONLY
// transactions; writes take a lock that makes two imports run one after the other.
class StockagePostgres : public Stockage {
  public:
    // parametres: a URI or key=value string; affichable: the same without its password.
    // Creates the schema in the server database; raises ErrStockage when it exists already.
    // Created for loading, the schema is made by the first write transaction (or by
    // mettreEnService when none came), and is rolled back with it.
    static std::unique_ptr<StockagePostgres> creer(const std::string& parametres,
                                                   const std::string& affichable,
                                                   Creation creation);
    // Raises ErrStockage when the server database holds no database of ours. Read-only:
    // the session refuses every write, so a role with SELECT alone and a standby serve.
    static std::unique_ptr<StockagePostgres> ouvrir(const std::string& parametres,
                                                    const std::string& affichable, Mode mode);

    // Removes the database whole (its schema): only for one its caller has just created.
    static void effacer(const std::string& parametres, const std::string& affichable);

    void exigerEcriture() const override;
    bool transactionOuverte() const override;
    void commencer(Genre genre) override;
    void valider() override;
    void annuler() noexcept override;
    void mettreEnService() override;
    bool existe() const override { return peutExister_; }

    std::optional<IdFichier> chercherFichier(std::string_view nom) const override;
    std::vector<FichierCatalogue> fichiers() const override;
    IdFichier ajouterFichier(const std::string& nom) override;

    std::optional<std::string> lire(IdFichier fichier, std::string_view cle) const override;
    std::vector<std::optional<std::string>> lireGroupe(
        IdFichier fichier, const std::vector<std::string>& cles) const override;
    std::vector<std::vector<std::optional<std::string>>> lireGroupes(
        const std::vector<GroupeCles>& groupes) const override;
    std::unique_ptr<LectureDemandee> demanderGroupe(IdFichier fichier,
                                                    std::vector<std::string> cles) const override;
    void parcourir(IdFichier fichier, const Visiteur& traiter) const override;
    std::int64_t compter(IdFichier fichier) const override;
    void ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                std::optional<double> nombre) override;
    bool lecturesDistantes() const override { return true; }

    std::vector<DeclarationIndex> declarations(IdFichier fichier) const override;
    void declarer(IdFichier fichier, const std::string& nom, int attribut) override;
    void viderEntrees(IdFichier fichier, int attribut) override;
    void ajouterEntree(const EntreeIndex& entree) override;
    void retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                       std::string_view valeur) override;
    void chercher(IdFichier fichier, const Recherche& recherche,
                  std::vector<std::string>& cles) const override;
    void chercherEnsemble(IdFichier fichier, const std::vector<Recherche>& recherches,
                          std::vector<std::string>& cles) const override;

  private:
    StockagePostgres(std::unique_ptr<ConnexionPg> connexion, Mode mode);

    // The connection, every held-back write sent: whatever is asked next sees them.
    ConnexionPg& connexion() const;
    void creerSchema();
    void exigerDroitDEcrire();
    void entretenirApresChargement() noexcept;

    std::unique_ptr<ConnexionPg> connexion_;
    mutable LotEcriture lot_;
    Mode mode_;
    bool enCours_ = false;
    // The schema waits for the next write transaction, which makes it.
    bool schemaAFaire_ = false;
    bool schemaDansLaTransaction_ = false;
    // Whether the schema may be on the server: from the moment a commit that makes it is sent.
    bool peutExister_ = true;
    std::size_t envoyeesAuDebut_ = 0;
    mutable int curseurs_ = 0;
};

}  // namespace mvdb
