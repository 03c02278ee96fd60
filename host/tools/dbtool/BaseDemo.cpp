#include "BaseDemo.h"

#include "BaseNouvelle.h"
#include "Progression.h"
#include "demogen/DictionnaireAccord.h"
#include "demogen/FluxDemo.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

namespace dbtool {

void creerBaseDemo(const std::string& nom, const demogen::TailleDemo& taille, std::uint64_t graine,
                   const std::filesystem::path& dossierDonnees, std::ostream* progression) {
    demogen::GenerateurDemo generateur(demogen::DonneesReference::charger(dossierDonnees), taille,
                                       graine);
    creerBase(nom, [&](mvdb::Base& base) {
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
}

}  // namespace dbtool
