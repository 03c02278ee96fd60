#include <algorithm>

#include "Impression.h"
#include "LectureEnregistrement.h"
#include "TexteRapport.h"

// On a database server every read by key is a round trip, and the readers make about thirteen
// per agreement. At the start of each batch of rows, the records they are about to ask for
// are announced to their files, which fetch them together: the persons, their renewal
// requests and their agreements up to two after the row's; then, once those are at hand, the
// records they point to: the funding bodies of all those agreements and the group heads
// (managers or sectors) of the persons. A batch thus costs two round trips whatever it holds.
// A person's agreements further on are announced as the reading reaches them, by growing
// chunks (Lire_Accord_Numero, the one read of the agreement reader). A file of a local
// database reads what is announced in key order, where a person's agreements are neighbours.

namespace {

constexpr long LignesParLot = 5000;
// The first chunk of a person's agreements announced past those of its row's batch.
constexpr int PremierMorceau = 8;
// Agreements announced with the batch past the one after the row's: a person whose next
// agreement does not renew the row's (another funding body, a gap of days) has the rest of
// its agreements read too, and each such person would otherwise cost a round trip of its own.
constexpr int AccordsEnPlus = 1;

// The last agreement number of the row's person announced with its batch.
int Dernier_Annonce_Avec_Le_Lot(const std::string& cle) {
    return std::min(ardoine::Numero_Suivant(cle) + AccordsEnPlus, ardoine::DernierNumeroAccord);
}

// At most `morceau` agreements of `aide` from `numero` on.
std::vector<std::string> Morceau_Accords(const std::string& aide, int numero, int morceau) {
    return ardoine::Cles_Accords(aide, numero,
                                 std::min(numero + morceau - 1, ardoine::DernierNumeroAccord));
}

// Each key once, in order.
std::vector<std::string> Cles(std::vector<std::string> cles) {
    if (!std::is_sorted(cles.begin(), cles.end())) {
        std::sort(cles.begin(), cles.end());
    }
    cles.erase(std::unique(cles.begin(), cles.end()), cles.end());
    return cles;
}

// A person of the batch and the highest agreement number announced for it.
struct AideDuLot {
    std::string aide;
    int dernier = 0;
};

// The persons in key order, each once with the highest number of its rows: their agreement
// keys then come in key order too, without sorting thousands of them.
std::vector<AideDuLot> Aides_En_Ordre(std::vector<AideDuLot> aides) {
    std::sort(aides.begin(), aides.end(), [](const AideDuLot& a, const AideDuLot& b) {
        return a.aide < b.aide || (a.aide == b.aide && a.dernier > b.dernier);
    });
    aides.erase(
        std::unique(aides.begin(), aides.end(),
                    [](const AideDuLot& a, const AideDuLot& b) { return a.aide == b.aide; }),
        aides.end());
    return aides;
}

}  // namespace

void rapport::Impression::Anticiper_Lectures() {
    const std::int64_t rangee = copie_.rangee;
    if ((rangee - 1) % LignesParLot != 0) {
        return;
    }
    std::vector<AideDuLot> duLot;
    std::vector<std::string> organismes;
    for (long ligne = rangee; ligne < rangee + LignesParLot; ++ligne) {
        const std::string cle = (*accords_)(static_cast<int>(ligne), 1);
        if (cle.empty()) {
            break;
        }
        organismes.push_back((*accords_)(static_cast<int>(ligne), 3));
        duLot.push_back(
            {ardoine::Debut(cle, ardoine::LongueurCodeAide), Dernier_Annonce_Avec_Le_Lot(cle)});
    }
    std::vector<std::string> aides;
    std::vector<std::string> accords;
    for (AideDuLot& personne : Aides_En_Ordre(std::move(duLot))) {
        for (std::string& cle : ardoine::Cles_Accords(personne.aide, 1, personne.dernier)) {
            accords.push_back(std::move(cle));
        }
        aides.push_back(std::move(personne.aide));
    }
    accords = Cles(std::move(accords));
    module_.Fic_CivilAide->Prelire(aides);
    module_.Fic_DemandAcc->Prelire(aides);
    module_.Fic_Accord->Prelire(accords);
    Anticiper_Renvois(aides, accords, std::move(organismes));
}

// Reading the first person fetches what was announced with the batch; the records read here
// come from memory, and what they point to is announced for the batch's second round trip.
void rapport::Impression::Anticiper_Renvois(const std::vector<std::string>& aides,
                                            const std::vector<std::string>& accords,
                                            std::vector<std::string> organismes) {
    dba::Enregistrement enregistrement;
    std::vector<std::string> plusLoin;
    for (std::size_t rang = 0; rang < accords.size(); ++rang) {
        const std::string& cle = accords[rang];
        if (!module_.Fic_Accord->ChercherEnreg(cle, enregistrement)) {
            continue;
        }
        organismes.push_back(enregistrement(1));
        const std::string aide = ardoine::Debut(cle, ardoine::LongueurCodeAide);
        const bool dernierDeLAide =
            rang + 1 == accords.size() ||
            ardoine::Debut(accords[rang + 1], ardoine::LongueurCodeAide) != aide;
        if (dernierDeLAide) {
            // The person's agreements go on past those announced: the first chunk the reading
            // would ask for comes with the second round trip instead of one of its own.
            for (std::string& cleSuivante :
                 Morceau_Accords(aide, ardoine::Numero_Suivant(cle), PremierMorceau)) {
                plusLoin.push_back(std::move(cleSuivante));
            }
        }
    }
    module_.Fic_Accord->Prelire(plusLoin);
    module_.Fic_OrgPriseCharge->Prelire(Cles(std::move(organismes)));
    Anticiper_Groupes(aides);
}

// The group heads of the batch's persons, from their records at hand; a commune has no record.
void rapport::Impression::Anticiper_Groupes(const std::vector<std::string>& aides) {
    using Regroupement = rapport::CriteresListe::Regroupement;
    if (criteres_.regroupement == Regroupement::Commune) {
        return;
    }
    dba::Fichier& fichierGroupes = criteres_.regroupement == Regroupement::Responsable
                                       ? *module_.Fic_Responsable
                                       : *module_.Fic_Secteur;
    dba::Enregistrement enregistrement;
    std::vector<std::string> groupes;
    for (const std::string& aide : aides) {
        if (module_.Fic_CivilAide->ChercherEnreg(aide, enregistrement)) {
            groupes.push_back(Groupe_Aide(enregistrement));
        }
    }
    fichierGroupes.Prelire(Cles(std::move(groupes)));
}

// Reads agreement `numero` of the current row's person `aide` into Enr_Accord; false when it
// is not on file. Numbers past those announced with the batch of rows are announced first.
bool rapport::Impression::Lire_Accord_Numero(const std::string& aide, int numero) {
    rapport::EtatCopie& copie = copie_;
    if (copie.rangeeAnnoncee != copie.rangee) {
        copie.rangeeAnnoncee = copie.rangee;
        copie.annonceAvecLeLot = Dernier_Annonce_Avec_Le_Lot(Colonne_Accord(1));
        copie.annonce = copie.annonceAvecLeLot;
    }
    if (numero > copie.annonce) {
        copie.annonce =
            Anticiper_Accords_Suivants(aide, numero, copie.annonce - copie.annonceAvecLeLot);
    }
    return Lire_Enregistrement(module_.Fic_Accord, aide + ardoine::Numero_Accord(numero),
                               module_.Enr_Accord);
}

// Announces the agreements of `aide` from `numero` on: eight at first, then three times as many
// as announced before past the row's window (`deja`), so that what is announced quadruples
// each time; returns the last number announced. Real data holds few agreements after the
// month printed; a person with a hundred costs three round trips.
int rapport::Impression::Anticiper_Accords_Suivants(const std::string& aide, int numero, int deja) {
    const int morceau = deja == 0 ? PremierMorceau : 3 * deja;
    const std::vector<std::string> cles = Morceau_Accords(aide, numero, morceau);
    module_.Fic_Accord->Prelire(cles);
    return numero + static_cast<int>(cles.size()) - 1;
}
