#include "TheClient.h"

#include "BaseDba.h"
#include "Ouverture.h"

namespace dba {

TheClient::TheClient(const std::string& chemin)
    : base_(std::make_shared<mvdb::BaseDba>(
          std::make_shared<mvdb::Depot>(mvdb::ouvrirStockage(chemin, mvdb::Mode::LectureSeule)))) {}

std::shared_ptr<TheDatabase> TheClient::base() const {
    return base_;
}

}  // namespace dba
