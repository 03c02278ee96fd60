#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BaseTemporaire.h"
#include "mvdb/TheClient.h"

using testing::HasSubstr;
using testing::Not;

namespace {

// A database of a few hundred kilobytes, closed by its writer so that everything is in the
// database file itself.
class BaseFermee : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string chemin = base_.chemin() + ".fermee";
        {
            auto ecriture = mvdb::Base::creer(chemin);
            std::string lignes;
            for (int i = 0; i < 2000; ++i) {
                lignes += ligneJson("ACCORD", "K" + std::to_string(10000 + i),
                                    std::vector<std::string>{std::string(150, 'x'), "041"});
            }
            std::istringstream flux(lignes);
            ecriture.importer(flux);
        }
        chemin_ = chemin;
    }

    // A copy of the database cut to its first `taille` bytes.
    std::string copieTronquee(std::uintmax_t taille, const std::string& nom) const {
        const std::string copie = base_.chemin() + "." + nom;
        std::filesystem::copy_file(chemin_, copie);
        std::filesystem::resize_file(copie, taille);
        return copie;
    }

    BaseTemporaire base_{true};
    std::string chemin_;
};

TEST_F(BaseFermee, AReaderWhoseFileShrinksGetsAnErrorNotASignal) {
    dba::TheClient client(chemin_);
    const auto accords = client.base()->OuvrirFichier("ACCORD");
    // The one read view of a print run, held while the file changes.
    const dba::VueLecture vue = client.base()->FigerLecture();
    EXPECT_EQ(accords->LireEnreg("K10000")(2), "041");
    // An administrator copies a smaller database over the live one.
    std::filesystem::resize_file(chemin_, std::filesystem::file_size(chemin_) / 4);
    // The print run's reads, for which a missing key is no error: a damaged file still is.
    const dba::Erreur erreur = erreurDe([&] {
        dba::Enregistrement lu;
        for (int i = 1999; i >= 0; --i) {
            accords->ChercherEnreg("K" + std::to_string(10000 + i), lu);
        }
    });
    EXPECT_EQ(erreur.numero(), dba::ErrStockage);
    EXPECT_THAT(erreur.texte(), HasSubstr("« " + chemin_ + " » est endommagée"));
    EXPECT_EQ(erreurDe([&] { accords->LireEnreg("K11999"); }).numero(), dba::ErrStockage);
}

TEST_F(BaseFermee, ATruncatedOrDamagedFileIsCalledDamagedNeverForeign) {
    const auto taille = std::filesystem::file_size(chemin_);
    std::vector<std::string> copies;
    for (const std::uintmax_t coupe : {std::uintmax_t{0}, std::uintmax_t{10}, std::uintmax_t{60},
                                       std::uintmax_t{4096}, taille / 2}) {
        copies.push_back(copieTronquee(coupe, std::to_string(coupe)));
    }
    const std::string abimee = base_.chemin() + ".abimee";
    std::filesystem::copy_file(chemin_, abimee);
    {
        std::fstream fichier(abimee, std::ios::in | std::ios::out | std::ios::binary);
        fichier.seekp(static_cast<std::streamoff>(taille / 2));
        const std::string rature(static_cast<std::size_t>(taille / 4), '\xA5');
        fichier.write(rature.data(), static_cast<std::streamsize>(rature.size()));
    }
    copies.push_back(abimee);
    for (const std::string& copie : copies) {
        SCOPED_TRACE(copie);
        const dba::Erreur erreur = erreurDe([&] {
            auto base = mvdb::Base::ouvrir(copie, mvdb::Mode::LectureSeule);
            base.selectionner("SSELECT ACCORD AVEC 2 = \"041\"", "0 1");
        });
        EXPECT_EQ(erreur.numero(), dba::ErrStockage);
        EXPECT_THAT(erreur.texte(), HasSubstr("« " + copie + " » est endommagée"));
        EXPECT_THAT(erreur.texte(), Not(HasSubstr("n'est pas une base")));
    }
}

TEST_F(BaseFermee, AForeignFileIsNotADatabase) {
    const std::string texte = base_.chemin() + ".txt";
    std::ofstream(texte) << "SQLite? non, un simple texte\n";
    const std::string autreSqlite = base_.chemin() + ".autre";
    std::filesystem::copy_file(chemin_, autreSqlite);
    {
        // Another program's SQLite file: a sound file without our application identifier.
        std::fstream fichier(autreSqlite, std::ios::in | std::ios::out | std::ios::binary);
        fichier.seekp(68);
        fichier.write("\0\0\0\0", 4);
    }
    for (const std::string& chemin : {texte, autreSqlite}) {
        const dba::Erreur erreur = erreurDe([&] { dba::TheClient client(chemin); });
        EXPECT_EQ(erreur.numero(), dba::ErrStockage);
        EXPECT_EQ(erreur.texte(), "Le fichier « " + chemin + " » n'est pas une base de données.");
    }
}

}  // namespace
