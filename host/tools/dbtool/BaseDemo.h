#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>

#include "demogen/TailleDemo.h"

namespace dbtool {

// Creates the demo database at `chemin`: the generated data imported in one transaction, then
// the index on the agreements' end date. Raises dba::Erreur when the file exists or any step
// fails; nothing is then left at `chemin`. With `progression`, the import's progress is shown
// there.
void creerBaseDemo(const std::filesystem::path& chemin, const demogen::TailleDemo& taille,
                   std::uint64_t graine, const std::filesystem::path& dossierDonnees,
                   std::ostream* progression = nullptr);

}  // namespace dbtool
