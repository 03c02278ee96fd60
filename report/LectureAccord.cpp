#include "Ctr_ArdoinePrivate.h"
#include "TexteRapport.h"
#include "droits/DroitsModule.h"

// Whether the agreement of the current row belongs on the list: neither followed by a new
// agreement of the same person starting the day after its end (Lecture_Accord), nor covered
// by a line of the person's renewal request that holds that day (Lecture_Demandacc).
//
// A record that is not on file counts as absent, and a test that cannot be made (a date that
// is not a number) as failed: neither ever makes an agreement renewed or covered. Any other
// failure of the database stops the run, so that no list is printed from records that could
// not be read.

namespace {

bool Jour_Egal(const std::string& texte, std::int64_t jour) {
    const auto valeur = ardoine::Partie_Entiere(texte);
    return valeur && *valeur == jour;
}

// Both ends of the period count.
bool Periode_Contient(const std::string& debut, const std::string& fin, std::int64_t jour) {
    const auto premier = ardoine::Partie_Entiere(debut);
    const auto dernier = ardoine::Partie_Entiere(fin);
    return premier && dernier && *premier <= jour && jour <= *dernier;
}

}  // namespace

// Every agreement of the person up to the first gap in the numbering is examined ("001" may
// be missing). The current one is on file, since it was selected, and cannot start after its
// own end: it is passed over without being read.
void Ctr_ArdoinePrivate::Lecture_Accord() {
    Accord_Renouvele = false;
    const auto lendemain = Lendemain_Fin();
    const std::string courant = Colonne_Accord(1);
    Decision_Courante = rapport::DecisionAccord{};
    Decision_Courante.cle = courant;
    Decision_Courante.fin = Colonne_Accord(2);
    Decision_Courante.organisme = Colonne_Accord(3);
    Decision_Courante.lendemain = lendemain;
    if (!lendemain) {
        return;
    }
    const std::string aide = Code_Aide();
    // The batch of rows announced the agreements up to the one after the current one.
    const int annonceAvecLeLot = ardoine::Numero_Suivant(courant);
    int annonce = annonceAvecLeLot;
    for (int numero = 1; numero <= ardoine::DernierNumeroAccord; ++numero) {
        const std::string cle = aide + ardoine::Numero_Accord(numero);
        if (cle == courant) {
            continue;
        }
        if (numero > annonce) {
            annonce = Anticiper_Accords_Suivants(aide, numero, annonce - annonceAvecLeLot);
        }
        if (!Lire_Enregistrement(Module.Fic_Accord, cle, Module.Enr_Accord)) {
            if (numero == 1) {
                continue;
            }
            return;
        }
        const dba::Enregistrement& accord = *Module.Enr_Accord;
        rapport::AccordSuivant& suivant = Decision_Courante.suivants.emplace_back();
        suivant.cle = cle;
        suivant.debut = accord(5);
        suivant.marque = accord(18);
        suivant.organisme = accord(1);
        suivant.debuteLeLendemain = Jour_Egal(accord(5), *lendemain);
        if (suivant.debuteLeLendemain && Accord_Suivant_Compte()) {
            Accord_Renouvele = true;
            Decision_Courante.renouvele = true;
            return;
        }
    }
}

// A follow-on agreement counts when it is not marked "O" and its funding body funds care
// ("P") and still takes new agreements (not "0"); what was found is noted on the decision.
bool Ctr_ArdoinePrivate::Accord_Suivant_Compte() {
    const dba::Enregistrement& accord = *Module.Enr_Accord;
    rapport::AccordSuivant& suivant = Decision_Courante.suivants.back();
    suivant.organismeLu =
        Lire_Enregistrement(Module.Fic_OrgPriseCharge, accord(1), Module.Enr_OrgPriseCharge);
    if (!suivant.organismeLu) {
        return false;
    }
    const dba::Enregistrement& organisme = *Module.Enr_OrgPriseCharge;
    suivant.typeOrganisme = organisme(18);
    suivant.statutOrganisme = organisme(20);
    suivant.renouvelle = organisme(18) == "P" && accord(18) != "O" && organisme(20) != "0";
    return suivant.renouvelle;
}

// An agreement neither renewed nor covered is listed, unless its person is hidden from the
// user: such a person never starts a group nor takes a line.
void Ctr_ArdoinePrivate::Lecture_Demandacc() {
    rapport::DecisionAccord& decision = Decision_Courante;
    decision.demandeExaminee = true;
    decision.couvert = Demande_Couvre();
    if (decision.couvert) {
        return;
    }
    Lire_Aide();
    const dba::Enregistrement& personne = *Module.Enr_CivilAide;
    decision.aideExamine = true;
    decision.aideLu = Aide_Trouvee;
    decision.secteur = Secteur_Aide(personne);
    decision.visible = Aide_Visible(personne);
    if (decision.visible) {
        decision.ligne = Ligne_Liste();
    }
}

// A line of the person's request covers the day after the end when its period holds that day
// and its funding body funds care ("P").
bool Ctr_ArdoinePrivate::Demande_Couvre() {
    const auto lendemain = Lendemain_Fin();
    if (!lendemain) {
        return false;
    }
    Decision_Courante.demandeLue =
        Lire_Enregistrement(Module.Fic_DemandAcc, Code_Aide(), Module.Enr_DemandAcc);
    if (!Decision_Courante.demandeLue) {
        return false;
    }
    const dba::Enregistrement& demande = *Module.Enr_DemandAcc;
    const int lignes = demande.DCount(2);
    for (int numero = 1; numero <= lignes; ++numero) {
        rapport::LigneDemandeExaminee& ligne = Decision_Courante.demande.emplace_back();
        ligne.numero = numero;
        ligne.organisme = demande(1, numero);
        ligne.debut = demande(3, numero);
        ligne.fin = demande(4, numero);
        ligne.contientLendemain = Periode_Contient(ligne.debut, ligne.fin, *lendemain);
        if (!ligne.contientLendemain) {
            continue;
        }
        ligne.organismeLu = Lire_Enregistrement(Module.Fic_OrgPriseCharge, ligne.organisme,
                                                Module.Enr_OrgPriseCharge);
        ligne.typeOrganisme = (*Module.Enr_OrgPriseCharge)(18);
        ligne.couvre = ligne.organismeLu && ligne.typeOrganisme == "P";
        if (ligne.couvre) {
            return true;
        }
    }
    return false;
}

// The day after the end of the current row's agreement; nothing when its end is no number.
std::optional<std::int64_t> Ctr_ArdoinePrivate::Lendemain_Fin() const {
    const auto fin = ardoine::Partie_Entiere(Colonne_Accord(2));
    if (!fin) {
        return std::nullopt;
    }
    return *fin + 1;
}

// The aided person's code: the first five characters of the agreement key.
std::string Ctr_ArdoinePrivate::Code_Aide() const {
    return ardoine::Debut(Colonne_Accord(1), ardoine::LongueurCodeAide);
}
