#include "SelectionAccords.h"

#include "Impression.h"
#include "dba/Erreur.h"
#include "outils/JourInterne.h"

// The selection of the agreements that end in a month, for the criteria of the run, sorted by
// group when no group is given, then by the aided person's name.

namespace {

rapport::PartieSelection Condition(std::string attribut, std::string operateur,
                                   std::string valeur) {
    return {rapport::PartieSelection::Genre::Condition, std::move(attribut), std::move(operateur),
            std::move(valeur)};
}

rapport::PartieSelection Tri(std::string attribut) {
    return {rapport::PartieSelection::Genre::Tri, std::move(attribut), {}, {}};
}

struct Bornes {
    std::string premier;
    std::string dernier;
};

// The day numbers of the first and of the last day of the month. A form not initialised has no
// month: its empty period is no date.
Bornes Bornes_Mois(const QDate& mois) {
    if (!mois.isValid()) {
        throw dba::Erreur(dba::ErrArgument, "Date invalide : « 01// » (attendu jj/mm/aaaa).");
    }
    const std::int64_t premier = outils::jourInterne(mois);
    const std::int64_t suivant = outils::jourInterne(mois.addMonths(1));
    return Bornes{std::to_string(premier), std::to_string(suivant - 1)};
}

// A group code limits the list to that group; without one the list is sorted by group.
rapport::PartieSelection Partie_Groupe(const rapport::CriteresListe& criteres) {
    const std::string& groupe = criteres.groupe;
    switch (criteres.regroupement) {
        case rapport::CriteresListe::Regroupement::Responsable:
            return groupe.empty() ? Tri("Responsable") : Condition("CodeResponsable", "=", groupe);
        case rapport::CriteresListe::Regroupement::Secteur:
            return groupe.empty() ? Tri("Secteur") : Condition("CodeSecteur", "=", groupe);
        case rapport::CriteresListe::Regroupement::Commune:
            break;
    }
    return groupe.empty() ? Tri("CommuneAide") : Condition("CommuneAide", "=", groupe);
}

}  // namespace

// Values go into the sentence exactly as they stand in the fields; a criterion holding a
// double quote is refused beforehand, by the print command.
std::vector<rapport::PartieSelection> rapport::Parties_Selection(
    const rapport::CriteresListe& criteres, const QDate& mois) {
    const Bornes bornes = Bornes_Mois(mois);
    const std::string& entite = criteres.entite;
    std::vector<rapport::PartieSelection> parties{
        Condition("TypeOrgChgAcc", "=", "P"),
        Condition("6", ">=", bornes.premier),
        Condition("6", "<=", bornes.dernier),
        Condition("EntiteAccord", "=", entite),
        Condition("DateSortieAideAccord", "=", ""),
        Condition("18", "=", ""),
        Condition("20", "=", ""),
    };
    if (!criteres.activite.empty()) {
        parties.push_back(Condition("ActivitesOrg", "=", entite + criteres.activite));
    }
    parties.push_back(Partie_Groupe(criteres));
    if (!criteres.organisme.empty()) {
        parties.push_back(Condition("1", "=", criteres.organisme));
    }
    parties.push_back(Tri("NomPrenomAide"));
    return parties;
}

dba::ListeResultat rapport::Impression::Selectionner_Accords(const QDate& mois) {
    dba::Requete requete;
    requete.definir(1, rapport::Phrase_Accords(Parties_Selection(criteres_, mois)));
    requete.definir(2, "ACCORD");
    requete.definir(3, "0 6 1");
    std::string sortie;
    dba::ListeResultat accords;
    module_.Base().ExecuterSelection(requete.texte(), std::string(), sortie, accords);
    return accords;
}
