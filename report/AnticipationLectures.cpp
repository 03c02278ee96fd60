#include <set>

#include "Ctr_Ardoine.h"
#include "TexteRapport.h"

// On a database server every read by key is a round trip, and the readers make about thirteen
// per agreement. At the start of each batch of rows, the records they are about to ask for
// are announced to their files, which fetch them together: the persons, their renewal
// requests, their agreements up to the one after the row's, and the rows' funding bodies.
// Whatever was not foreseen (an agreement further on) is read as usual. Files of a local
// database ignore the announcement.

namespace {

constexpr long LignesParLot = 500;

std::vector<std::string> Cles(const std::set<std::string>& ensemble) {
    return {ensemble.begin(), ensemble.end()};
}

}  // namespace

void Ctr_Ardoine::Anticiper_Lectures() {
    if ((Ligne_Accord - 1) % LignesParLot != 0) {
        return;
    }
    std::set<std::string> aides;
    std::set<std::string> accords;
    std::set<std::string> organismes;
    for (long ligne = Ligne_Accord; ligne < Ligne_Accord + LignesParLot; ++ligne) {
        const std::string cle = (*Liste_Accord)(static_cast<int>(ligne), 1);
        if (cle.empty()) {
            break;
        }
        const std::string aide = ardoine::Debut(cle, ardoine::LongueurCodeAide);
        aides.insert(aide);
        organismes.insert((*Liste_Accord)(static_cast<int>(ligne), 3));
        const int dernier =
            std::min(ardoine::Numero_De_Cle(cle).value_or(0) + 1, ardoine::DernierNumeroAccord);
        for (int numero = 1; numero <= dernier; ++numero) {
            accords.insert(aide + ardoine::Numero_Accord(numero));
        }
    }
    Module.Fic_CivilAide->Prelire(Cles(aides));
    Module.Fic_DemandAcc->Prelire(Cles(aides));
    Module.Fic_Accord->Prelire(Cles(accords));
    Module.Fic_OrgPriseCharge->Prelire(Cles(organismes));
}
