#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "droits/DroitsModule.h"

// What the report needs of an aided person's record (CIVILAIDE): the sector, which the user's
// rights are asked about, and the group the person is listed under.

// The readers, the page header and the detail line of one agreement all need its person: the
// record is read once for the row, and never kept from one row, or one copy, to the next.
void Ctr_ArdoinePrivate::Lire_Aide() {
    if (Ligne_Aide_Lue == Ligne_Accord) {
        return;
    }
    Aide_Trouvee = Lire_Enregistrement(Module.Fic_CivilAide, Code_Aide(), Module.Enr_CivilAide);
    Ligne_Aide_Lue = Ligne_Accord;
}

std::string Ctr_ArdoinePrivate::Secteur_Aide(const dba::Enregistrement& aide) {
    return ardoine::Debut(aide(40), 3);
}

bool Ctr_ArdoinePrivate::Aide_Visible(const dba::Enregistrement& aide) {
    return Droits_Module->AccesAutorise(Secteur_Aide(aide), 0);
}

// Manager code, sector code or commune code, as the grouping option says.
std::string Ctr_ArdoinePrivate::Groupe_Aide(const dba::Enregistrement& aide) const {
    if (Opt_Responsable->isChecked()) {
        return aide(39);
    }
    if (Opt_Secteur->isChecked()) {
        return Secteur_Aide(aide);
    }
    return aide(11);
}
