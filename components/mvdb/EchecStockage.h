#pragma once

#include <string>

#include "dba/Erreur.h"

namespace mvdb {

// Why the storage of a database failed, as the user can act on it.
enum class CauseEchec {
    DisquePlein,
    Verrouillee,        // another import holds the write lock
    PermissionRefusee,  // on the file or its folder
    LectureSeule,       // the file cannot be written by this user
    Endommagee,         // damaged or truncated, or replaced while being read
    Absente,
    DossierAbsent,  // the folder of a database being created
    DossierRefuse,  // the folder of a database being created cannot be searched or written
    PasUneBase,
    MemoireInsuffisante,
    EntreeSortie,  // any other failure of the disk
};

// ErrStockage with a French text naming the cause and the database file the user named;
// detail, when given, is appended in parentheses.
dba::Erreur erreurStockage(CauseEchec cause, const std::string& chemin,
                           const std::string& detail = {});

}  // namespace mvdb
