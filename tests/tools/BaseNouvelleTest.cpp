// A database the tools create and fill in one command: a failed filling leaves nothing behind,
// in a file as on a server, so that the same command can be run again as it stands.
#include <gtest/gtest.h>

#include <sstream>

#include "BaseTemporaire.h"
#include "dbtool/BaseNouvelle.h"

namespace {

const char* const Ligne = "{\"file\":\"ACCORD\",\"id\":\"00001001\",\"record\":[\"041\"]}\n";

void importer(mvdb::Base& base) {
    std::istringstream flux(Ligne);
    base.importer(flux);
}

TEST(BaseNouvelle, AFailedFillingLeavesNothingAndTheCommandCanBeRunAgain) {
    const LieuEssai lieu;
    const std::string nom = lieu.nom("nouvelle");
    const dba::Erreur erreur = erreurDe([&] {
        dbtool::creerBase(nom, [](mvdb::Base& base) {
            importer(base);
            throw dba::Erreur(dba::ErrImport, "ligne 2 : valeur illisible");
        });
    });
    EXPECT_EQ(erreur.texte(), "ligne 2 : valeur illisible");
    dbtool::creerBase(nom, importer);
    EXPECT_TRUE(
        mvdb::Base::ouvrir(nom, mvdb::Mode::LectureSeule).lire("ACCORD", "00001001").has_value());
}

// Only what the command created is removed: an empty database made before by `create` stays.
TEST(BaseNouvelle, ADatabaseThatExistedIsLeftAsItWas) {
    const LieuEssai lieu;
    const std::string nom = lieu.nom("existante");
    dbtool::creerBase(nom, [](mvdb::Base&) {});
    const dba::Erreur erreur = erreurDe([&] { dbtool::creerBase(nom, importer); });
    EXPECT_EQ(erreur.numero(), dba::ErrStockage);
    EXPECT_TRUE(mvdb::Base::ouvrir(nom, mvdb::Mode::LectureSeule).fichiers().empty());
}

}  // namespace
