#include "BaseDemo.h"

#include "FichierProvisoire.h"
#include "Progression.h"
#include "demogen/DictionnaireAccord.h"
#include "demogen/FluxDemo.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

namespace dbtool {

void creerBaseDemo(const std::filesystem::path& chemin, const demogen::TailleDemo& taille,
                   std::uint64_t graine, const std::filesystem::path& dossierDonnees,
                   std::ostream* progression) {
    FichierProvisoire provisoire(chemin, FichierProvisoire::SiPresent::Refuser);
    demogen::GenerateurDemo generateur(demogen::DonneesReference::charger(dossierDonnees), taille,
                                       graine);
    provisoire.ecrire([&](const std::string& fichier) {
        auto base = mvdb::Base::creer(fichier);
        demogen::FluxDemo flux(generateur);
        if (progression != nullptr) {
            // One CIVILAIDE line per aided person: how many are done tells how far it has gone.
            FluxSuivi suivi(flux, *progression,
                            {static_cast<std::uint64_t>(taille.aides), R"({"file":"CIVILAIDE")"});
            base.importer(suivi);
        } else {
            base.importer(flux);
        }
        base.declarerIndex("ACCORD", demogen::ItemDateFinAccord);
    });
    provisoire.mettreEnPlace();
}

}  // namespace dbtool
