#pragma once

#include <memory>

class QTemporaryDir;

namespace hote {

// The folder of the process's runtime files (sockets, locks), which Qt looks for in
// XDG_RUNTIME_DIR. A login session provides one; a job started by cron, a service or a shell
// without a session does not, and Qt would then warn on stderr and fall back on a folder of
// the temporary directory shared by every process of the user. Without one, this object gives
// the process a private folder (mode 0700, owned by the user) for its lifetime and removes it
// at the end. Create it before the application object, keep it until after.
class DossierExecution {
  public:
    DossierExecution();
    ~DossierExecution();
    DossierExecution(const DossierExecution&) = delete;
    DossierExecution& operator=(const DossierExecution&) = delete;

  private:
    // None when the session gave the folder, or when none could be made (Qt then says so).
    std::unique_ptr<QTemporaryDir> dossier_;
};

}  // namespace hote
