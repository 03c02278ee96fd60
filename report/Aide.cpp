#include "Impression.h"
#include "LectureEnregistrement.h"
#include "droits/DroitsModule.h"
#include "liste/ReglesAccord.h"

// What the report needs of an aided person's record (CIVILAIDE): the sector, which the user's
// rights are asked about, and the group the person is listed under.

// The readers, the page header and the detail line of one agreement all need its person: the
// record is read once for the row, and never kept from one row, or one copy, to the next.
void rapport::Impression::Lire_Aide() {
    rapport::EtatCopie& copie = copie_;
    if (copie.rangeeAideLue == copie.rangee) {
        return;
    }
    copie.aideTrouvee =
        Lire_Enregistrement(module_.Fic_CivilAide, Code_Aide(), module_.Enr_CivilAide);
    copie.rangeeAideLue = copie.rangee;
}

bool rapport::Impression::Aide_Visible(const dba::Enregistrement& aide) {
    return rapport::Aide_Visible(aide, [this](const std::string& secteur) {
        return contexte_.droitsModule->AccesAutorise(secteur, 0);
    });
}

// Manager code, sector code or commune code, as the run's grouping says.
std::string rapport::Impression::Groupe_Aide(const dba::Enregistrement& aide) const {
    switch (criteres_.regroupement) {
        case rapport::CriteresListe::Regroupement::Responsable:
            return aide(39);
        case rapport::CriteresListe::Regroupement::Secteur:
            return rapport::Secteur_Aide(aide);
        case rapport::CriteresListe::Regroupement::Commune:
            break;
    }
    return aide(11);
}
