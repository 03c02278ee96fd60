#pragma once

#include <map>
#include <memory>
#include <string>

#include "Sqlite.h"
#include "mvdb/Creation.h"
#include "mvdb/Mode.h"
#include "mvdb/Stockage.h"

namespace mvdb {

// A database in one SQLite file: the embedded default. Reads by key go through one prepared
// statement per file, kept for the life of the connection; writes through statements
// prepared once.
class StockageSqlite : public Stockage {
  public:
    // A new empty database; raises ErrStockage when the file already exists. A file created
    // for loading keeps a rollback journal, not the write-ahead log, until it is put in
    // service: in a new file the journal holds next to nothing, where the log would receive
    // every page once more and be copied back into the file.
    static std::unique_ptr<StockageSqlite> creer(const std::string& chemin, Creation creation);
    // Raises ErrStockage when the file is missing or is not a database.
    static std::unique_ptr<StockageSqlite> ouvrir(const std::string& chemin, Mode mode);

    void exigerEcriture() const override;
    bool transactionOuverte() const override;
    void commencer(Genre genre) override;
    void valider() override;
    void annuler() noexcept override;
    void mettreEnService() override;
    bool existe() const override { return true; }

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
    bool lecturesDistantes() const override { return false; }

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
    StockageSqlite(Connexion connexion, Mode mode, Creation creation);
    void choisirJournal(const char* journal);
    void rendreCache() noexcept;
    // The statement kept under `nom`, prepared on first use.
    Instruction& instruction(const char* nom, const char* sql) const;

    Connexion connexion_;
    Mode mode_;
    Creation creation_;
    mutable std::map<IdFichier, Instruction> lecteurs_;
    mutable std::map<std::string, Instruction> instructions_;
};

}  // namespace mvdb
