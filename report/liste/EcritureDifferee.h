#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "TableauListe.h"

namespace rapport {

// A table file's rows kept in memory, the file opened and written whole only when it is
// completed: for the files of a run that would otherwise all be open at once until its end
// (one per group, hundreds of them for the communes), so that they hold one file open at a
// time rather than running out of the files a process may open.
class EcritureDifferee : public EcritureTableau {
  public:
    using Ouverture = std::function<std::unique_ptr<EcritureTableau>()>;

    explicit EcritureDifferee(Ouverture ouvrir) : ouvrir_(std::move(ouvrir)) {}

    void Ligne(const LigneTableau& ligne) override { lignes_.push_back(ligne); }
    void Terminer(const TableauListe& tableau, const Echeancier* echeancier) override;

  private:
    Ouverture ouvrir_;
    std::vector<LigneTableau> lignes_;
};

}  // namespace rapport
