#pragma once

#include <string>

#include "dba/Erreur.h"

namespace mvdb {

// Why the storage of a database failed, as the user can act on it: the one vocabulary of
// every store, so that a failure reads the same whichever store keeps the database.
enum class CauseEchec {
    DisquePlein,
    TailleDepassee,     // a file would pass the size the process may write (ulimit -f)
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
    Existante,     // a database being created exists already
    OuverteEnLectureSeule,
    SansSchema,           // a server database that holds none of our tables
    ConnexionImpossible,  // the server could not be reached or refused the session
    AccesImpossible,      // the server refused or failed a statement
    EcritureRefusee,      // the server role may only read
    LectureRefusee,       // the server role may not read the database's tables
};

// ErrStockage with a French text naming the cause and the database the user named (a file
// path, or a server name without its password). detail, when given, is the server's reason
// after the text of ConnexionImpossible and AccesImpossible, the role of EcritureRefusee and
// LectureRefusee, the file past the limit of TailleDepassee when it is not the database's own,
// and appended in parentheses to the others.
dba::Erreur erreurStockage(CauseEchec cause, const std::string& chemin,
                           const std::string& detail = {});

}  // namespace mvdb
