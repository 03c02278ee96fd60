#include "Interchange.h"

#include <istream>
#include <map>
#include <ostream>
#include <stdexcept>

#include "Ecrivain.h"
#include "ErreurLecture.h"
#include "Transaction.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

bool estBlanche(const std::string& ligne) {
    return ligne.find_first_not_of(" \t\r") == std::string::npos;
}

class Importation {
  public:
    explicit Importation(Depot& depot) : depot_(depot), ecrivain_(depot) {}

    void importer(const std::string& texte) {
        const LigneEchange ligne = lireLigneEchange(texte);
        ecrivain_.ecrire(fichier(ligne.fichier), ligne.cle, ligne.donnees);
    }

    void terminer() { ecrivain_.terminer(); }

  private:
    IdFichier fichier(const std::string& nom) {
        auto trouve = fichiers_.find(nom);
        if (trouve == fichiers_.end()) {
            trouve = fichiers_.emplace(nom, depot_.creerFichier(nom)).first;
        }
        return trouve->second;
    }

    Depot& depot_;
    Ecrivain ecrivain_;
    std::map<std::string, IdFichier> fichiers_;
};

// Reads the lines through a stream of its own over the caller's buffer, one that raises what
// breaks the reading instead of ending as if the input had ended: a read error must not
// commit the lines read before it. The caller's stream keeps its own settings.
class LectureSurveillee {
  public:
    explicit LectureSurveillee(std::istream& lignes) : flux_(lignes.rdbuf()) {
        if (lignes.fail() || flux_.rdbuf() == nullptr) {
            throw ErreurLecture(0, "erreur de lecture");
        }
        flux_.exceptions(std::ios::badbit);
    }

    // The next line; false at the end of the input.
    bool lire(std::string& texte, int lignesLues) {
        try {
            return static_cast<bool>(std::getline(flux_, texte));
        } catch (const std::exception& echec) {
            throw ErreurLecture(lignesLues, causeDeLecture(echec));
        }
    }

  private:
    std::istream flux_;
};

[[noreturn]] void rejeterLigne(int numero, const std::string& raison) {
    throw dba::Erreur(dba::ErrImport, "ligne " + std::to_string(numero) + " : " + raison);
}

}  // namespace

void importer(Depot& depot, std::istream& lignes) {
    depot.exigerEcriture();
    Transaction transaction(depot, Transaction::Genre::Ecriture);
    {
        Importation importation(depot);
        LectureSurveillee lecture(lignes);
        std::string texte;
        for (int numero = 1; lecture.lire(texte, numero - 1); ++numero) {
            if (estBlanche(texte)) {
                continue;
            }
            try {
                importation.importer(texte);
            } catch (const std::invalid_argument& rejet) {
                rejeterLigne(numero, rejet.what());
            } catch (const dba::Erreur& erreur) {
                // A failing disk or lock is no fault of the line being written.
                if (erreur.numero() == dba::ErrStockage) {
                    throw;
                }
                rejeterLigne(numero, erreur.texte());
            }
        }
        importation.terminer();
    }
    transaction.valider();
}

void exporter(const Depot& depot, std::ostream& lignes) {
    Transaction lecture(depot, Transaction::Genre::Lecture);
    for (const std::string& nom : depot.fichiers()) {
        depot.parcourir(depot.fichier(nom), [&](std::string_view cle, std::string_view donnees) {
            try {
                lignes << ecrireLigneEchange(nom, cle, donnees) << '\n';
            } catch (const std::invalid_argument& rejet) {
                throw dba::Erreur(dba::ErrStockage, "Export impossible : dans l'enregistrement « " +
                                                        std::string(cle) + " » du fichier « " +
                                                        nom + " », " + rejet.what() + ".");
            }
        });
    }
    lecture.valider();
}

}  // namespace mvdb
