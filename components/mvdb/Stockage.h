#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LectureDemandee.h"
#include "Recherche.h"

namespace mvdb {

using IdFichier = std::int64_t;

// An index as declared: the name given (an item or an attribute number) and the attribute
// number it resolves to.
struct DeclarationIndex {
    std::string nom;
    int attribut = 0;
};

// One entry of a secondary index: a distinct value of the indexed attribute of a record.
struct EntreeIndex {
    IdFichier fichier = 0;
    int attribut = 0;
    std::string_view cle;
    std::string_view valeur;
    std::optional<double> nombre;  // the value of a number, so numeric bounds can use it
    bool multiple = false;         // the record has several values for the attribute
};

// A file of the catalogue: its name and its id.
struct FichierCatalogue {
    std::string nom;
    IdFichier id = 0;
};

// The keys of one file asked for among others in one go.
struct GroupeCles {
    IdFichier fichier = 0;
    std::vector<std::string> cles;
};

// Where a database keeps its files: everything the engine needs from a store, and nothing of
// how the store does it. Keys, entries and file names compare byte-wise; a store never lets
// a collation decide an order. Every failure is raised through erreurStockage
// (EchecStockage.h), in the words every store shares.
// The sentence parser, the dictionaries, the planner and the sorting stay above this line
// and are the same for every store. The engine reaches a store only through Depot, which
// keeps the rules over these primitive operations; a store keeps none of them.
class Stockage {
  public:
    enum class Genre { Lecture, Ecriture };
    using Visiteur = std::function<void(std::string_view cle, std::string_view donnees)>;

    virtual ~Stockage() = default;

    // Raises ErrStockage when the store was opened for reading only.
    virtual void exigerEcriture() const = 0;
    // A read view sees one state of the database for its whole length; a write is all or
    // nothing, and two writes never interleave.
    virtual bool transactionOuverte() const = 0;
    virtual void commencer(Genre genre) = 0;
    virtual void valider() = 0;
    virtual void annuler() noexcept = 0;
    // Gives a store created for loading (Creation::Chargement) the journal and the locking
    // every user of a database expects, or its tables when its first write did not make them;
    // due, out of any transaction, before it is handed over. Nothing to do for any other store.
    virtual void mettreEnService() = 0;
    // Whether the database may be found where it was named. A server database created for
    // loading is made by its first write transaction, so that a load cut before its commit
    // leaves nothing to remove; a file is there from its creation.
    virtual bool existe() const = 0;

    // The catalogue of files.
    virtual std::optional<IdFichier> chercherFichier(std::string_view nom) const = 0;
    // Every file, by name in byte order.
    virtual std::vector<FichierCatalogue> fichiers() const = 0;
    // Adds a name the catalogue does not hold yet; returns the new file's id.
    virtual IdFichier ajouterFichier(const std::string& nom) = 0;

    // Records. Absent is no failure.
    virtual std::optional<std::string> lire(IdFichier fichier, std::string_view cle) const = 0;
    // Many keys in one go where a round trip costs: the answer is parallel to `cles`.
    virtual std::vector<std::optional<std::string>> lireGroupe(
        IdFichier fichier, const std::vector<std::string>& cles) const = 0;
    // Several files' keys in one go: one round trip for them all on a server. The answer is
    // parallel to `groupes`, each part to its group's keys.
    virtual std::vector<std::vector<std::optional<std::string>>> lireGroupes(
        const std::vector<GroupeCles>& groupes) const = 0;
    // The same, asked for now and taken later. Any other read meanwhile waits for this one
    // first: the caller asks once it has made the reads it needs before taking the answer,
    // and takes each answer before asking again.
    virtual std::unique_ptr<LectureDemandee> demanderGroupe(
        IdFichier fichier, std::vector<std::string> cles) const = 0;
    // Every record of the file in key order.
    virtual void parcourir(IdFichier fichier, const Visiteur& traiter) const = 0;
    virtual std::int64_t compter(IdFichier fichier) const = 0;
    // Writes or replaces; `nombre` is a numeric key's value.
    virtual void ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                        std::optional<double> nombre) = 0;
    // True when each read costs a round trip to a server: the engine then reads in batches.
    virtual bool lecturesDistantes() const = 0;

    // Secondary indexes: declarations by name, entries by attribute.
    virtual std::vector<DeclarationIndex> declarations(IdFichier fichier) const = 0;
    // Declares, or gives a declared name its new attribute; the entries stay as they are.
    virtual void declarer(IdFichier fichier, const std::string& nom, int attribut) = 0;
    virtual void viderEntrees(IdFichier fichier, int attribut) = 0;
    virtual void ajouterEntree(const EntreeIndex& entree) = 0;
    virtual void retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                               std::string_view valeur) = 0;
    // Appends the keys one lookup finds, in any order, possibly more than once.
    virtual void chercher(IdFichier fichier, const Recherche& recherche,
                          std::vector<std::string>& cles) const = 0;
    // The keys of several lookups of one file: one round trip for them all on a server.
    virtual void chercherEnsemble(IdFichier fichier, const std::vector<Recherche>& recherches,
                                  std::vector<std::string>& cles) const = 0;
};

}  // namespace mvdb
