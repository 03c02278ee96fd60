#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>

#include "AnnulationSurSignal.h"
#include "dba/Erreur.h"

namespace outils {

class AppelsFichier;

// An open folder, shared by the files of a lot that are written in it.
class DossierOuvert {
  public:
    explicit DossierOuvert(int descripteur) : descripteur_(descripteur) {}
    ~DossierOuvert();
    DossierOuvert(const DossierOuvert&) = delete;
    DossierOuvert& operator=(const DossierOuvert&) = delete;

    int Descripteur() const { return descripteur_; }

  private:
    int descripteur_;
};

// "Impossible d'écrire le fichier « chemin » : cause.", with that number.
dba::Erreur Erreur_Ecriture(std::uint32_t numero, const std::string& chemin,
                            const std::string& cause);

// A provisional file beside its target and the steps that put it in the target's place: made,
// put in place (the old file kept under a second link), confirmed (the folder on the disk, the
// second link dropped). Until confirmed, destroying it undoes what was done, in the folder and
// for a signal (AnnulationSurSignal): the provisional file removed, the old file put back, or
// the new one removed where there was none. FichierEntier writes one file with it; a lot puts
// many in place before it confirms any.
class Remplacement {
  public:
    // `cibleExiste`: the target is a plain file, to be kept until confirmed.
    Remplacement(std::shared_ptr<AppelsFichier> appels,
                 std::shared_ptr<const DossierOuvert> dossier, std::string chemin, std::string nom,
                 bool cibleExiste, std::uint32_t numeroErreur);
    ~Remplacement();
    Remplacement(const Remplacement&) = delete;
    Remplacement& operator=(const Remplacement&) = delete;

    // Creates the provisional file exclusively, never through a link; its descriptor.
    int Creer();
    // The provisional file in the target's place, the old file kept.
    void Mettre_En_Place();
    // The new name on the disk: only then may the old file go.
    void Synchroniser_Dossier();
    // Drops the old file: what is in place stays.
    void Confirmer() noexcept;

    const std::shared_ptr<const DossierOuvert>& Dossier() const { return dossier_; }
    // The same folder, opened once for the whole lot.
    void Partager_Dossier(std::shared_ptr<const DossierOuvert> dossier);
    const std::string& Chemin() const { return chemin_; }

  private:
    [[noreturn]] void Echouer_Systeme(int erreur) const;
    int Descripteur() const { return dossier_->Descripteur(); }
    void Garder_Ancien();
    void Noter_Annulation();
    void Annuler() noexcept;

    std::shared_ptr<AppelsFichier> appels_;
    std::shared_ptr<const DossierOuvert> dossier_;
    std::string chemin_;
    std::string nom_;
    std::uint32_t numeroErreur_;
    bool cibleExiste_;
    // Names in the target's folder: the file being written, and a second link to the old file
    // kept until the new one is safely in place.
    std::string provisoire_;
    std::string ancien_;
    bool enPlace_ = false;
    bool confirme_ = false;
    AnnulationSurSignal annulation_;
};

}  // namespace outils
