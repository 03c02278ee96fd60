#include "BaseDemo.h"

#include "BaseNouvelle.h"
#include "demogen/DictionnaireAccord.h"
#include "demogen/FluxDemo.h"
#include "demogen/GenerateurDemo.h"
#include "mvdb/Base.h"

namespace dbtool {

void creerBaseDemo(const std::string& nom, const demogen::TailleDemo& taille, std::uint64_t graine,
                   const std::filesystem::path& dossierDonnees) {
    demogen::GenerateurDemo generateur(demogen::DonneesReference::charger(dossierDonnees), taille,
                                       graine);
    creerBase(nom, [&](mvdb::Base& base) {
        demogen::FluxDemo flux(generateur);
        base.importer(flux);
        base.declarerIndex("ACCORD", demogen::ItemDateFinAccord);
    });
}

}  // namespace dbtool
