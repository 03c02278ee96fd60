#include "BaseDemo.h"

#include "FichierProvisoire.h"
#include "demogen/DictionnaireAccord.h"
#include "demogen/FluxDemo.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

namespace dbtool {

void creerBaseDemo(const std::filesystem::path& chemin, const demogen::TailleDemo& taille,
                   std::uint64_t graine, const std::filesystem::path& dossierDonnees) {
    FichierProvisoire provisoire(chemin, FichierProvisoire::SiPresent::Refuser);
    demogen::GenerateurDemo generateur(demogen::DonneesReference::charger(dossierDonnees), taille,
                                       graine);
    provisoire.ecrire([&](const std::string& fichier) {
        auto base = mvdb::Base::creer(fichier);
        demogen::FluxDemo flux(generateur);
        base.importer(flux);
        base.declarerIndex("ACCORD", demogen::ItemDateFinAccord);
    });
    provisoire.mettreEnPlace();
}

}  // namespace dbtool
