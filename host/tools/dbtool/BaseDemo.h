#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

#include "demogen/TailleDemo.h"

namespace dbtool {

// Creates the demo database `nom` (a file or a server database): the generated data imported
// in one transaction, then the index on the agreements' end date. Raises dba::Erreur when the
// database exists or any step fails; nothing is then left at `nom`. With `progression`, the
// import's progress is shown there.
void creerBaseDemo(const std::string& nom, const demogen::TailleDemo& taille, std::uint64_t graine,
                   const std::filesystem::path& dossierDonnees,
                   std::ostream* progression = nullptr);

}  // namespace dbtool
