#include <algorithm>
#include <set>

#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"

// On a database server every read by key is a round trip, and the readers make about thirteen
// per agreement. At the start of each batch of rows, the records they are about to ask for
// are announced to their files, which fetch them together: the persons, their renewal
// requests, their agreements up to the one after the row's, and the rows' funding bodies.
// A person's agreements further on are announced as the reading reaches them, by growing
// chunks (Lire_Accord_Numero, the one read of the agreement reader). Files of a local database
// ignore the announcements.

namespace {

constexpr long LignesParLot = 500;

std::vector<std::string> Cles(const std::set<std::string>& ensemble) {
    return {ensemble.begin(), ensemble.end()};
}

}  // namespace

void Ctr_ArdoinePrivate::Anticiper_Lectures() {
    const std::int64_t rangee = Etat.copie.rangee;
    if ((rangee - 1) % LignesParLot != 0) {
        return;
    }
    std::set<std::string> aides;
    std::set<std::string> accords;
    std::set<std::string> organismes;
    for (long ligne = rangee; ligne < rangee + LignesParLot; ++ligne) {
        const std::string cle = (*Liste_Accord)(static_cast<int>(ligne), 1);
        if (cle.empty()) {
            break;
        }
        const std::string aide = ardoine::Debut(cle, ardoine::LongueurCodeAide);
        aides.insert(aide);
        organismes.insert((*Liste_Accord)(static_cast<int>(ligne), 3));
        const auto duLot = ardoine::Cles_Accords(aide, 1, ardoine::Numero_Suivant(cle));
        accords.insert(duLot.begin(), duLot.end());
    }
    Module.Fic_CivilAide->Prelire(Cles(aides));
    Module.Fic_DemandAcc->Prelire(Cles(aides));
    Module.Fic_Accord->Prelire(Cles(accords));
    Module.Fic_OrgPriseCharge->Prelire(Cles(organismes));
}

// Reads agreement `numero` of the current row's person `aide` into Enr_Accord; false when it
// is not on file. Numbers past those announced with the batch of rows are announced first.
bool Ctr_ArdoinePrivate::Lire_Accord_Numero(const std::string& aide, int numero) {
    rapport::EtatCopie& copie = Etat.copie;
    if (copie.rangeeAnnoncee != copie.rangee) {
        copie.rangeeAnnoncee = copie.rangee;
        copie.annonceAvecLeLot = ardoine::Numero_Suivant(Colonne_Accord(1));
        copie.annonce = copie.annonceAvecLeLot;
    }
    if (numero > copie.annonce) {
        copie.annonce =
            Anticiper_Accords_Suivants(aide, numero, copie.annonce - copie.annonceAvecLeLot);
    }
    return Lire_Enregistrement(Module.Fic_Accord, aide + ardoine::Numero_Accord(numero),
                               Module.Enr_Accord);
}

// Announces the agreements of `aide` from `numero` on: eight at first, then three times as many
// as announced before past the row's window (`deja`), so that what is announced quadruples
// each time; returns the last number announced. Real data holds few agreements after the
// month printed; a person with a hundred costs three round trips.
int Ctr_ArdoinePrivate::Anticiper_Accords_Suivants(const std::string& aide, int numero, int deja) {
    constexpr int PremierMorceau = 8;
    const int morceau = deja == 0 ? PremierMorceau : 3 * deja;
    const int dernier = std::min(numero + morceau - 1, ardoine::DernierNumeroAccord);
    Module.Fic_Accord->Prelire(ardoine::Cles_Accords(aide, numero, dernier));
    return dernier;
}
