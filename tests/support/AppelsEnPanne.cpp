#include "AppelsEnPanne.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace essai {

bool AppelsEnPanne::Echoue(const char* appel) {
    journal_.emplace_back(appel);
    const bool echoue = plan_.echouer();
    if (echoue) {
        errno = erreur_;
    }
    return echoue;
}

int AppelsEnPanne::OuvrirDossier(const char* chemin) {
    return Echoue("OuvrirDossier") ? -1 : reels_->OuvrirDossier(chemin);
}

int AppelsEnPanne::Etat(int dossier, const char* nom, struct stat& etat) {
    return Echoue("Etat") ? -1 : reels_->Etat(dossier, nom, etat);
}

int AppelsEnPanne::AccesEcriture(int dossier, const char* nom) {
    return Echoue("AccesEcriture") ? -1 : reels_->AccesEcriture(dossier, nom);
}

int AppelsEnPanne::Creer(int dossier, const char* nom, mode_t mode) {
    return Echoue("Creer") ? -1 : reels_->Creer(dossier, nom, mode);
}

int AppelsEnPanne::ChangerPermissions(int fichier, mode_t mode) {
    return Echoue("ChangerPermissions") ? -1 : reels_->ChangerPermissions(fichier, mode);
}

ssize_t AppelsEnPanne::Ecrire(int fichier, const void* octets, std::size_t taille) {
    return Echoue("Ecrire") ? Ecriture_Echouee() : reels_->Ecrire(fichier, octets, taille);
}

ssize_t AppelsEnPanne::EcrireA(int fichier, const void* octets, std::size_t taille,
                               off_t position) {
    return Echoue("EcrireA") ? Ecriture_Echouee()
                             : reels_->EcrireA(fichier, octets, taille, position);
}

int AppelsEnPanne::Synchroniser(int descripteur) {
    return Echoue("Synchroniser") ? -1 : reels_->Synchroniser(descripteur);
}

int AppelsEnPanne::Fermer(int fichier) {
    // A failed close releases the descriptor all the same, as the system's does.
    const int resultat = reels_->Fermer(fichier);
    return Echoue("Fermer") ? -1 : resultat;
}

int AppelsEnPanne::Lier(int dossier, const char* nom, const char* lien) {
    return Echoue("Lier") ? -1 : reels_->Lier(dossier, nom, lien);
}

int AppelsEnPanne::Renommer(int dossier, const char* ancien, const char* nouveau) {
    return Echoue("Renommer") ? -1 : reels_->Renommer(dossier, ancien, nouveau);
}

namespace {

std::string Contenu(const std::string& fichier) {
    std::ifstream entree(fichier, std::ios::binary);
    return {std::istreambuf_iterator<char>(entree), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Noms(const std::filesystem::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& entree : std::filesystem::directory_iterator(dossier)) {
        noms.push_back(entree.path().filename().string());
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

mode_t Mode(const std::string& fichier) {
    struct stat etat {};
    ::stat(fichier.c_str(), &etat);
    return etat.st_mode & 07777;
}

// The run failed on that call and left everything as it was.
void Verifier_Echec(const std::string& fichier, const std::string& erreur, const std::string& avant,
                    const std::vector<std::string>& noms) {
    EXPECT_NE(
        erreur.find("Impossible d'écrire le fichier « " + fichier + " » : le disque est plein."),
        std::string::npos)
        << erreur;
    EXPECT_EQ(Contenu(fichier), avant);
    EXPECT_EQ(Mode(fichier), 0640U);
    EXPECT_EQ(Noms(std::filesystem::path(fichier).parent_path()), noms);
}

}  // namespace

int Essayer_Chaque_Panne(const std::string& fichier, const std::function<std::string()>& ecrire) {
    const std::string avant = "la liste du mois dernier\n";
    std::ofstream(fichier, std::ios::binary) << avant;
    ::chmod(fichier.c_str(), 0640);
    const auto noms = Noms(std::filesystem::path(fichier).parent_path());
    int rang = 1;
    for (;; ++rang) {
        SCOPED_TRACE("appel " + std::to_string(rang));
        bool toutesFaites = false;
        for (const auto duree : {AppelsEnPanne::Duree::Une, AppelsEnPanne::Duree::Persistante}) {
            const auto appels = std::make_shared<AppelsEnPanne>(rang, duree);
            std::string erreur;
            {
                const PanneInstallee panne(appels);
                erreur = ecrire();
            }
            toutesFaites = appels->Faits() < rang;
            if (toutesFaites) {
                break;
            }
            Verifier_Echec(fichier, erreur, avant, noms);
        }
        if (toutesFaites) {
            break;
        }
    }
    EXPECT_EQ(ecrire(), "");
    EXPECT_NE(Contenu(fichier), avant);
    EXPECT_EQ(Mode(fichier), 0640U);
    EXPECT_EQ(Noms(std::filesystem::path(fichier).parent_path()), noms);
    return rang - 1;
}

}  // namespace essai
