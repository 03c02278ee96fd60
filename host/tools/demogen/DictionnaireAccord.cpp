#include "DictionnaireAccord.h"

#include "LigneJsonl.h"

namespace demogen {

namespace {

struct Item {
    const char* nom;
    const char* type;
    const char* definition;
    const char* justification;
};

constexpr const char* Responsable = R"(TRANS("CIVILAIDE", @ID[1,5], 39, "X"))";
constexpr const char* Secteur = R"(TRANS("CIVILAIDE", @ID[1,5], 40, "X")[1,3])";

constexpr Item Items[] = {
    {"TypeOrgChgAcc", "I", R"(TRANS("ORGPRISECHARGE", @RECORD<1>, 18, "X"))", "L"},
    {"EntiteAccord", "D", "2", "L"},
    {"ActivitesOrg", "D", "3", "L"},
    {"DateDebutAccord", "D", "5", "R"},
    {ItemDateFinAccord, "D", "6", "R"},
    {"DateSortieAideAccord", "I", R"(TRANS("CIVILAIDE", @ID[1,5], 25, "X"))", "R"},
    {"CodeResponsable", "I", Responsable, "L"},
    {"Responsable", "I", Responsable, "L"},
    {"CodeSecteur", "I", Secteur, "L"},
    {"Secteur", "I", Secteur, "L"},
    {"CommuneAide", "I", R"(TRANS("CIVILAIDE", @ID[1,5], 11, "X"))", "L"},
    {"NomPrenomAide", "I",
     R"(TRANS("CIVILAIDE", @ID[1,5], 2, "X") : " " : TRANS("CIVILAIDE", @ID[1,5], 3, "X"))", "L"},
};

}  // namespace

void ecrireDictionnaireAccord(std::string& lignes) {
    for (const auto& item : Items) {
        LigneJsonl("DICT ACCORD", item.nom)
            .definir(1, item.type)
            .definir(2, item.definition)
            .definir(5, item.justification)
            .ajouterA(lignes);
    }
}

}  // namespace demogen
