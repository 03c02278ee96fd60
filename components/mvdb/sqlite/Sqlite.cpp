#include "Sqlite.h"

#include <sqlite3.h>

#include "dba/Erreur.h"

namespace mvdb {

void echecStockage(sqlite3* connexion, const std::string& contexte) {
    const char* detail = connexion != nullptr ? sqlite3_errmsg(connexion) : "mémoire insuffisante";
    throw dba::Erreur(dba::ErrStockage, contexte + " : " + detail);
}

namespace {

void verifier(sqlite3* connexion, int code, const char* contexte) {
    if (code != SQLITE_OK) {
        echecStockage(connexion, contexte);
    }
}

}  // namespace

Instruction::Instruction(sqlite3* connexion, std::string_view sql)
    : connexion_(connexion), instruction_(nullptr) {
    verifier(connexion_,
             sqlite3_prepare_v2(connexion_, sql.data(), static_cast<int>(sql.size()), &instruction_,
                                nullptr),
             "Préparation d'une requête de stockage impossible");
}

Instruction::Instruction(Instruction&& autre) noexcept
    : connexion_(autre.connexion_), instruction_(autre.instruction_) {
    autre.instruction_ = nullptr;
}

Instruction::~Instruction() {
    sqlite3_finalize(instruction_);
}

Instruction& Instruction::lier(int rang, std::int64_t valeur) {
    verifier(connexion_, sqlite3_bind_int64(instruction_, rang, valeur), "Liaison impossible");
    return *this;
}

Instruction& Instruction::lier(int rang, double valeur) {
    verifier(connexion_, sqlite3_bind_double(instruction_, rang, valeur), "Liaison impossible");
    return *this;
}

Instruction& Instruction::lierOctets(int rang, std::string_view octets) {
    // A null pointer would bind NULL, not the empty blob.
    const int code = octets.empty()
                         ? sqlite3_bind_zeroblob(instruction_, rang, 0)
                         : sqlite3_bind_blob(instruction_, rang, octets.data(),
                                             static_cast<int>(octets.size()), SQLITE_TRANSIENT);
    verifier(connexion_, code, "Liaison impossible");
    return *this;
}

Instruction& Instruction::lierTexte(int rang, std::string_view texte) {
    verifier(connexion_,
             sqlite3_bind_text(instruction_, rang, texte.data(), static_cast<int>(texte.size()),
                               SQLITE_TRANSIENT),
             "Liaison impossible");
    return *this;
}

Instruction& Instruction::lierNul(int rang) {
    verifier(connexion_, sqlite3_bind_null(instruction_, rang), "Liaison impossible");
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
    echecStockage(connexion_, "Accès au stockage impossible");
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

Connexion::Connexion(const std::string& chemin, int drapeaux) : connexion_(nullptr) {
    const int code = sqlite3_open_v2(chemin.c_str(), &connexion_, drapeaux, nullptr);
    if (code != SQLITE_OK) {
        const std::string detail = connexion_ != nullptr ? sqlite3_errmsg(connexion_) : "";
        sqlite3_close(connexion_);
        throw dba::Erreur(dba::ErrStockage,
                          "Ouverture de la base « " + chemin + " » impossible : " + detail);
    }
    sqlite3_extended_result_codes(connexion_, 1);
    // Another process may hold the write lock for the length of an import.
    sqlite3_busy_timeout(connexion_, 10000);
}

Connexion::Connexion(Connexion&& autre) noexcept : connexion_(autre.connexion_) {
    autre.connexion_ = nullptr;
}

Connexion::~Connexion() {
    sqlite3_close_v2(connexion_);
}

void Connexion::executer(const std::string& sql) const {
    verifier(connexion_, sqlite3_exec(connexion_, sql.c_str(), nullptr, nullptr, nullptr),
             "Accès au stockage impossible");
}

}  // namespace mvdb
