#pragma once

#include "MiseEnPage.h"

namespace rapport {

// The pages of one group on a printer of its own, as a list limited to that group prints them;
// several groups are laid out side by side in one walk, each on its own pages. A document
// still unsent when the layout goes is abandoned.
class MiseEnPageGroupe : public MiseEnPage {
  public:
    using MiseEnPage::MiseEnPage;
    ~MiseEnPageGroupe() override;
    MiseEnPageGroupe(const MiseEnPageGroupe&) = delete;
    MiseEnPageGroupe& operator=(const MiseEnPageGroupe&) = delete;
};

}  // namespace rapport
