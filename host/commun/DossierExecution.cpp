#include "DossierExecution.h"

#include <QDir>
#include <QTemporaryDir>

namespace hote {

namespace {

constexpr const char* Variable = "XDG_RUNTIME_DIR";

}  // namespace

DossierExecution::DossierExecution() {
    if (!qEnvironmentVariableIsEmpty(Variable)) {
        return;
    }
    // QTemporaryDir makes the folder readable, writable and searchable by its owner only.
    auto dossier = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/ardoine-execution-XXXXXX");
    if (!dossier->isValid()) {
        return;
    }
    qputenv(Variable, QFile::encodeName(dossier->path()));
    dossier_ = std::move(dossier);
}

DossierExecution::~DossierExecution() = default;

}  // namespace hote
