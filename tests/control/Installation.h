#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QComboBox>
#include <QStringList>

#include "BaseEnregistreuse.h"
#include "BaseEssai.h"
#include "Ctr_Ardoine.h"
#include "PlateformeEnregistree.h"

namespace essai {

// A database of the test's own, seen through a recording database, a recording platform
// whose today is 15 May 2018, and controls handed all three as a host would.
class Installation {
  public:
    explicit Installation(const std::vector<std::string>& lignes = DonneesStandard());

    // Rights of the login, client and database assigned; Init not yet called.
    std::unique_ptr<Ctr_Ardoine> Creer(const std::string& login = "admin");
    std::unique_ptr<Ctr_Ardoine> Initialiser(const std::string& login = "admin");

    BaseEssai donnees;
    Journal journal = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<BaseEnregistreuse> base;
    std::shared_ptr<ardoine::PlateformeEnregistree> plateforme =
        std::make_shared<ardoine::PlateformeEnregistree>();
};

// The entries of a list box, in order.
QStringList Entrees(const QComboBox& liste);

}  // namespace essai
