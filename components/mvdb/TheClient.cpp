#include "TheClient.h"

#include "BaseDba.h"

namespace dba {

TheClient::TheClient(const std::string& chemin)
    : base_(std::make_shared<mvdb::BaseDba>(
          std::make_shared<mvdb::Depot>(mvdb::Depot::ouvrir(chemin, mvdb::Mode::LectureSeule)))) {}

std::shared_ptr<TheDatabase> TheClient::base() const {
    return base_;
}

}  // namespace dba
