#include "Sqlite.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>

#include "mvdb/EchecStockage.h"

namespace mvdb {

namespace {

bool disquePlein(int erreurSysteme) {
    return erreurSysteme == ENOSPC || erreurSysteme == EDQUOT;
}

bool memoirePartagee(int code) {
    return code == SQLITE_IOERR_SHMOPEN || code == SQLITE_IOERR_SHMSIZE ||
           code == SQLITE_IOERR_SHMLOCK || code == SQLITE_IOERR_SHMMAP;
}

// The file that met the failure, when SQLite says which: the side file a WAL database shares
// its readers' state through (made afresh by the first reader, at its full size) may pass a
// file-size limit that the database itself stays under.
std::string fichierEnCause(int code, const std::string& chemin) {
    return memoirePartagee(code) ? chemin + "-shm" : chemin;
}

bool existe(const std::string& chemin) {
    return ::access(chemin.c_str(), F_OK) == 0;
}

std::string dossierDe(const std::string& chemin) {
    const auto barre = chemin.rfind('/');
    if (barre == std::string::npos) {
        return ".";
    }
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

CauseEchec causeDe(int code, int erreurSysteme, const std::string& chemin) {
    switch (code & 0xFF) {
        case SQLITE_FULL:
            return CauseEchec::DisquePlein;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return CauseEchec::Verrouillee;
        case SQLITE_READONLY:
            return CauseEchec::LectureSeule;
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return CauseEchec::PermissionRefusee;
        case SQLITE_CANTOPEN:
            // The file itself is checked before it is opened: what can be missing is the
            // folder of a database being created.
            return existe(dossierDe(chemin)) ? CauseEchec::PermissionRefusee
                                             : CauseEchec::DossierAbsent;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return CauseEchec::Endommagee;
        case SQLITE_NOMEM:
            return CauseEchec::MemoireInsuffisante;
        case SQLITE_IOERR:
            if (code == SQLITE_IOERR_SHORT_READ) {
                // The file ends before the pages its header announces: shrunk or replaced.
                return CauseEchec::Endommagee;
            }
            if (code == SQLITE_IOERR_NOMEM) {
                return CauseEchec::MemoireInsuffisante;
            }
            if (erreurSysteme == EACCES || erreurSysteme == EPERM || erreurSysteme == EROFS) {
                return CauseEchec::PermissionRefusee;
            }
            if (erreurSysteme == EFBIG) {
                return CauseEchec::TailleDepassee;
            }
            return disquePlein(erreurSysteme) ? CauseEchec::DisquePlein : CauseEchec::EntreeSortie;
        default:
            return CauseEchec::EntreeSortie;
    }
}

std::string detail(CauseEchec cause, int code, const std::string& chemin) {
    if (cause == CauseEchec::EntreeSortie) {
        return "code " + std::to_string(code);
    }
    if (cause == CauseEchec::TailleDepassee && fichierEnCause(code, chemin) != chemin) {
        return fichierEnCause(code, chemin);
    }
    return {};
}

[[noreturn]] void echec(int code, int erreurSysteme, const std::string& chemin) {
    const CauseEchec cause = causeDe(code, erreurSysteme, chemin);
    throw erreurStockage(cause, chemin, detail(cause, code, chemin));
}

void verifier(sqlite3* connexion, int code, const std::string& chemin) {
    if (code != SQLITE_OK) {
        echecStockage(connexion, chemin);
    }
}

// A connection belongs to the thread that opened it: SQLite need not lock it around every call.
int drapeaux(Connexion::Ouverture ouverture) {
    switch (ouverture) {
        case Connexion::Ouverture::Creation:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
        case Connexion::Ouverture::LectureEcriture:
            return SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
        case Connexion::Ouverture::LectureSeule:
            break;
    }
    return SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX;
}

// Offices often keep the shared database in a folder their users cannot write. A reader of
// a WAL database needs its -shm side file, and cannot create it there. No writer is at work
// when neither side file exists (a writer creates both), so the file is then read as it
// stands on disk, without the shared memory.
bool lireSansMemoirePartagee(const std::string& chemin) {
    return ::access(dossierDe(chemin).c_str(), W_OK) != 0 && !existe(chemin + "-wal") &&
           !existe(chemin + "-shm");
}

std::string uriImmuable(const std::string& chemin) {
    std::string uri = "file:";
    for (const char c : chemin) {
        if (c == '?' || c == '#' || c == '%') {
            constexpr const char* Chiffres = "0123456789ABCDEF";
            const auto octet = static_cast<unsigned char>(c);
            uri += {'%', Chiffres[octet >> 4], Chiffres[octet & 0xF]};
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

int derniereErreurDe(sqlite3_file* fichier) {
    int erreur = 0;
    if (fichier != nullptr && fichier->pMethods != nullptr) {
        fichier->pMethods->xFileControl(fichier, SQLITE_FCNTL_LAST_ERRNO, &erreur);
    }
    return erreur;
}

// A write that fails while a transaction commits (a full disk met by the pages a large load
// kept in memory until then) leaves the connection's system error unset; the journal or the
// database file it was writing keeps its own.
int erreurSysteme(sqlite3* connexion) {
    if (const int erreur = sqlite3_system_errno(connexion); erreur != 0) {
        return erreur;
    }
    sqlite3_file* journal = nullptr;
    sqlite3_file_control(connexion, "main", SQLITE_FCNTL_JOURNAL_POINTER, &journal);
    if (const int erreur = derniereErreurDe(journal); erreur != 0) {
        return erreur;
    }
    sqlite3_file* base = nullptr;
    sqlite3_file_control(connexion, "main", SQLITE_FCNTL_FILE_POINTER, &base);
    return derniereErreurDe(base);
}

}  // namespace

void echecStockage(sqlite3* connexion, const std::string& chemin) {
    if (connexion == nullptr) {
        throw erreurStockage(CauseEchec::MemoireInsuffisante, chemin);
    }
    echec(sqlite3_extended_errcode(connexion), erreurSysteme(connexion), chemin);
}

Instruction::Instruction(sqlite3* connexion, std::shared_ptr<const std::string> chemin,
                         std::string_view sql)
    : connexion_(connexion), chemin_(std::move(chemin)), instruction_(nullptr) {
    verifier(connexion_,
             sqlite3_prepare_v2(connexion_, sql.data(), static_cast<int>(sql.size()), &instruction_,
                                nullptr),
             *chemin_);
}

Instruction::Instruction(Instruction&& autre) noexcept
    : connexion_(autre.connexion_),
      chemin_(std::move(autre.chemin_)),
      instruction_(autre.instruction_) {
    autre.instruction_ = nullptr;
}

Instruction::~Instruction() {
    sqlite3_finalize(instruction_);
}

Instruction& Instruction::lier(int rang, std::int64_t valeur) {
    verifier(connexion_, sqlite3_bind_int64(instruction_, rang, valeur), *chemin_);
    return *this;
}

Instruction& Instruction::lier(int rang, double valeur) {
    verifier(connexion_, sqlite3_bind_double(instruction_, rang, valeur), *chemin_);
    return *this;
}

Instruction& Instruction::lierOctets(int rang, std::string_view octets) {
    // A null pointer would bind NULL, not the empty blob.
    const int code = octets.empty()
                         ? sqlite3_bind_zeroblob(instruction_, rang, 0)
                         : sqlite3_bind_blob(instruction_, rang, octets.data(),
                                             static_cast<int>(octets.size()), SQLITE_TRANSIENT);
    verifier(connexion_, code, *chemin_);
    return *this;
}

Instruction& Instruction::lierTexte(int rang, std::string_view texte) {
    verifier(connexion_,
             sqlite3_bind_text(instruction_, rang, texte.data(), static_cast<int>(texte.size()),
                               SQLITE_TRANSIENT),
             *chemin_);
    return *this;
}

Instruction& Instruction::lierNul(int rang) {
    verifier(connexion_, sqlite3_bind_null(instruction_, rang), *chemin_);
    return *this;
}

bool Instruction::avancer() {
    const int code = sqlite3_step(instruction_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    echecStockage(connexion_, *chemin_);
}

void Instruction::reinitialiser() {
    sqlite3_reset(instruction_);
}

std::int64_t Instruction::entier(int colonne) const {
    return sqlite3_column_int64(instruction_, colonne);
}

std::string_view Instruction::octets(int colonne) const {
    const void* debut = sqlite3_column_blob(instruction_, colonne);
    if (debut == nullptr) {
        return {};
    }
    return {static_cast<const char*>(debut),
            static_cast<std::size_t>(sqlite3_column_bytes(instruction_, colonne))};
}

bool Instruction::estNul(int colonne) const {
    return sqlite3_column_type(instruction_, colonne) == SQLITE_NULL;
}

Connexion::Connexion(const std::string& chemin, Ouverture ouverture)
    : chemin_(std::make_shared<const std::string>(chemin)), connexion_(nullptr) {
    const bool immuable = ouverture == Ouverture::LectureSeule && lireSansMemoirePartagee(chemin);
    const int code =
        immuable ? sqlite3_open_v2(uriImmuable(chemin).c_str(), &connexion_,
                                   drapeaux(ouverture) | SQLITE_OPEN_URI, nullptr)
                 : sqlite3_open_v2(chemin.c_str(), &connexion_, drapeaux(ouverture), nullptr);
    if (code != SQLITE_OK) {
        const int erreurSysteme = connexion_ != nullptr ? sqlite3_system_errno(connexion_) : 0;
        sqlite3_close(connexion_);
        echec(code, erreurSysteme, chemin);
    }
    sqlite3_extended_result_codes(connexion_, 1);
    // Another process may hold the write lock for the length of an import.
    sqlite3_busy_timeout(connexion_, 10000);
    // A mapped file that shrinks under its reader (a new database copied over the live one)
    // kills the process with SIGBUS; read() reports a short read instead.
    executer("PRAGMA mmap_size = 0");
}

Connexion::Connexion(Connexion&& autre) noexcept
    : chemin_(std::move(autre.chemin_)), connexion_(autre.connexion_) {
    autre.connexion_ = nullptr;
}

Connexion::~Connexion() {
    sqlite3_close_v2(connexion_);
}

void Connexion::executer(const std::string& sql) const {
    verifier(connexion_, sqlite3_exec(connexion_, sql.c_str(), nullptr, nullptr, nullptr),
             *chemin_);
}

}  // namespace mvdb
