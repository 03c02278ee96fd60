#include <gtest/gtest.h>

#include "BaseEnregistreuse.h"
#include "BaseEssai.h"
#include "droits/DroitsFichier.h"
#include "mvdb/TheClient.h"

namespace {

class Droits : public ::testing::Test {
  protected:
    std::shared_ptr<droits::DroitsModule> Module(const std::string& login) {
        return droits::DroitsFichier(base->base(), login).LireDroitsModule("ARDOINE");
    }
    // The holder's count after InitialiserListe, asked twice as the print command does.
    static std::int32_t Caches(droits::DroitsModule& module) {
        module.ListeAcces()->InitialiserListe();
        return module.ListeAcces()->W_Liste.Count();
    }

    essai::BaseEssai donnees{essai::DonneesStandard()};
    std::shared_ptr<dba::TheClient> base = donnees.Client();
};

TEST_F(Droits, UnLoginInconnuOuSansDroitsPourLeModuleNAAucunDroit) {
    for (const std::string login : {"inconnu", "", "autre"}) {
        const auto module = Module(login);
        EXPECT_EQ(module->NiveauAcces(), 0) << login;
        EXPECT_FALSE(module->AccesAutorise("S01", -1)) << login;
        EXPECT_FALSE(module->AccesAutorise("S02", 0)) << login;
        EXPECT_EQ(Caches(*module), 3) << login;
    }
}

TEST_F(Droits, LeNiveauEstCeluiDuModuleParmiLesAutres) {
    EXPECT_EQ(Module("admin")->NiveauAcces(), 2);
    EXPECT_EQ(Module("lecteur")->NiveauAcces(), 1);
    EXPECT_EQ(droits::DroitsFichier(base->base(), "admin").LireDroitsModule("AUTRE")->NiveauAcces(),
              1);
}

TEST_F(Droits, LEtoileOuvreTousLesSecteursSansLireLesAides) {
    auto journal = std::make_shared<std::vector<std::string>>();
    auto suivie = std::make_shared<essai::BaseEnregistreuse>(base->base(), journal);
    const auto module = droits::DroitsFichier(suivie, "admin").LireDroitsModule("ARDOINE");
    EXPECT_TRUE(module->AccesAutorise("S01", -1));
    EXPECT_TRUE(module->AccesAutorise("ZZZ", 0));
    journal->clear();
    EXPECT_EQ(Caches(*module), 0);
    EXPECT_TRUE(journal->empty());
}

TEST_F(Droits, UneListeDeSecteursCacheLesAidesDesAutres) {
    const auto lecteur = Module("lecteur");
    EXPECT_TRUE(lecteur->AccesAutorise("S01", -1));
    EXPECT_TRUE(lecteur->AccesAutorise("S02", 0));
    EXPECT_FALSE(lecteur->AccesAutorise("S03", -1));
    EXPECT_FALSE(lecteur->AccesAutorise("S0", -1));
    // The sector is the first three characters of the person's attribute: "S02X" is S02. The
    // list is made again, not lengthened, at each initialisation.
    EXPECT_EQ(lecteur->ListeAcces(), lecteur->ListeAcces());
    EXPECT_EQ(Caches(*lecteur), 1);
    ASSERT_EQ(Caches(*lecteur), 1);
    EXPECT_EQ(lecteur->ListeAcces()->W_Liste.Item(1), "00003");

    const auto secteur1 = Module("secteur1");
    ASSERT_EQ(Caches(*secteur1), 2);
    EXPECT_EQ(secteur1->ListeAcces()->W_Liste.Item(1), "00002");
    EXPECT_EQ(secteur1->ListeAcces()->W_Liste.Item(2), "00003");
}

TEST(DroitsNiveau, UnNiveauQuiNEstPasUnNombreNeDonneRien) {
    essai::BaseEssai donnees{{essai::Ligne("DROITS", "x", {{1, "ARDOINE"}, {2, "2a"}, {3, "*"}})}};
    const auto module =
        droits::DroitsFichier(donnees.Client()->base(), "x").LireDroitsModule("ARDOINE");
    EXPECT_EQ(module->NiveauAcces(), 0);
    EXPECT_TRUE(module->AccesAutorise("S01", 0));
}

}  // namespace
