#include "VfsEnPanne.h"

#include <sqlite3.h>

#include <stdexcept>

namespace vfs_en_panne {

namespace {

PlanDePanne planGlobal;
sqlite3_vfs* reel = nullptr;
sqlite3_vfs piege;

// The file as SQLite holds it: our methods first, the default VFS's file right behind.
struct FichierPiege {
    sqlite3_file base;
    sqlite3_file* reel;
};

sqlite3_file* reelDe(sqlite3_file* fichier) {
    return reinterpret_cast<FichierPiege*>(fichier)->reel;
}

const sqlite3_io_methods& methodesDe(sqlite3_file* fichier) {
    return *reelDe(fichier)->pMethods;
}

int fermer(sqlite3_file* fichier) {
    return methodesDe(fichier).xClose(reelDe(fichier));
}

int lire(sqlite3_file* fichier, void* tampon, int taille, sqlite3_int64 position) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_READ;
    }
    return methodesDe(fichier).xRead(reelDe(fichier), tampon, taille, position);
}

// A write that fails is the disk that is full, the most common failure of a write.
int ecrire(sqlite3_file* fichier, const void* tampon, int taille, sqlite3_int64 position) {
    if (planGlobal.echouer()) {
        return SQLITE_FULL;
    }
    return methodesDe(fichier).xWrite(reelDe(fichier), tampon, taille, position);
}

int tronquer(sqlite3_file* fichier, sqlite3_int64 taille) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_TRUNCATE;
    }
    return methodesDe(fichier).xTruncate(reelDe(fichier), taille);
}

int synchroniser(sqlite3_file* fichier, int drapeaux) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_FSYNC;
    }
    return methodesDe(fichier).xSync(reelDe(fichier), drapeaux);
}

int taille(sqlite3_file* fichier, sqlite3_int64* resultat) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_FSTAT;
    }
    return methodesDe(fichier).xFileSize(reelDe(fichier), resultat);
}

int verrouiller(sqlite3_file* fichier, int niveau) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_LOCK;
    }
    return methodesDe(fichier).xLock(reelDe(fichier), niveau);
}

int deverrouiller(sqlite3_file* fichier, int niveau) {
    return methodesDe(fichier).xUnlock(reelDe(fichier), niveau);
}

int verrouReserve(sqlite3_file* fichier, int* resultat) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_CHECKRESERVEDLOCK;
    }
    return methodesDe(fichier).xCheckReservedLock(reelDe(fichier), resultat);
}

int controler(sqlite3_file* fichier, int operation, void* argument) {
    return methodesDe(fichier).xFileControl(reelDe(fichier), operation, argument);
}

int tailleSecteur(sqlite3_file* fichier) {
    return methodesDe(fichier).xSectorSize(reelDe(fichier));
}

int caracteristiques(sqlite3_file* fichier) {
    return methodesDe(fichier).xDeviceCharacteristics(reelDe(fichier));
}

int projeterMemoire(sqlite3_file* fichier, int region, int taille, int etendre,
                    void volatile** adresse) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_SHMMAP;
    }
    return methodesDe(fichier).xShmMap(reelDe(fichier), region, taille, etendre, adresse);
}

int verrouillerMemoire(sqlite3_file* fichier, int debut, int nombre, int drapeaux) {
    if ((drapeaux & SQLITE_SHM_LOCK) != 0 && planGlobal.echouer()) {
        return SQLITE_IOERR_SHMLOCK;
    }
    return methodesDe(fichier).xShmLock(reelDe(fichier), debut, nombre, drapeaux);
}

void barriere(sqlite3_file* fichier) {
    methodesDe(fichier).xShmBarrier(reelDe(fichier));
}

int libererMemoire(sqlite3_file* fichier, int effacer) {
    return methodesDe(fichier).xShmUnmap(reelDe(fichier), effacer);
}

int prendrePage(sqlite3_file* fichier, sqlite3_int64 position, int taille, void** page) {
    return methodesDe(fichier).xFetch(reelDe(fichier), position, taille, page);
}

int rendrePage(sqlite3_file* fichier, sqlite3_int64 position, void* page) {
    return methodesDe(fichier).xUnfetch(reelDe(fichier), position, page);
}

const sqlite3_io_methods Methodes{
    3,
    fermer,
    lire,
    ecrire,
    tronquer,
    synchroniser,
    taille,
    verrouiller,
    deverrouiller,
    verrouReserve,
    controler,
    tailleSecteur,
    caracteristiques,
    projeterMemoire,
    verrouillerMemoire,
    barriere,
    libererMemoire,
    prendrePage,
    rendrePage,
};

int ouvrir(sqlite3_vfs*, sqlite3_filename nom, sqlite3_file* fichier, int drapeaux,
           int* drapeauxObtenus) {
    auto* piegee = reinterpret_cast<FichierPiege*>(fichier);
    piegee->base.pMethods = nullptr;
    piegee->reel = reinterpret_cast<sqlite3_file*>(piegee + 1);
    if (planGlobal.echouer()) {
        return SQLITE_CANTOPEN;
    }
    const int code = reel->xOpen(reel, nom, piegee->reel, drapeaux, drapeauxObtenus);
    if (piegee->reel->pMethods != nullptr) {
        piegee->base.pMethods = &Methodes;
    }
    return code;
}

int supprimer(sqlite3_vfs*, const char* nom, int synchroniserDossier) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_DELETE;
    }
    return reel->xDelete(reel, nom, synchroniserDossier);
}

int acceder(sqlite3_vfs*, const char* nom, int drapeaux, int* resultat) {
    if (planGlobal.echouer()) {
        return SQLITE_IOERR_ACCESS;
    }
    return reel->xAccess(reel, nom, drapeaux, resultat);
}

void installer() {
    reel = sqlite3_vfs_find(nullptr);
    if (reel == nullptr || reel->iVersion < 3) {
        throw std::runtime_error("VFS par défaut introuvable");
    }
    // Every entry the wrapper does not count is the default VFS's own.
    piege = *reel;
    piege.pNext = nullptr;
    piege.zName = "en-panne";
    piege.szOsFile = static_cast<int>(sizeof(FichierPiege)) + reel->szOsFile;
    piege.xOpen = ouvrir;
    piege.xDelete = supprimer;
    piege.xAccess = acceder;
    if (sqlite3_vfs_register(&piege, 1) != SQLITE_OK) {
        throw std::runtime_error("VFS en panne non enregistré");
    }
}

}  // namespace

PlanDePanne& plan() {
    static const bool installe = (installer(), true);
    static_cast<void>(installe);
    return planGlobal;
}

}  // namespace vfs_en_panne
