#include "Impression.h"
#include "LectureEnregistrement.h"
#include "TexteRapport.h"
#include "droits/DroitsModule.h"
#include "liste/ReglesAccord.h"

// Whether the agreement of the current row belongs on the list: neither followed by a new
// agreement of the same person starting the day after its end (Lecture_Accord), nor covered
// by a line of the person's renewal request that holds that day (Lecture_Demandacc). The rules
// themselves are in liste/ReglesAccord.h; the readers fetch the records they look at and note
// what was found on the decision.
//
// A record that is not on file counts as absent. Any other failure of the database stops the
// run, so that no list is printed from records that could not be read.

// Every agreement of the person up to the first gap in the numbering is examined. The current
// one is on file, since it was selected, and cannot start after its own end: it is passed over
// without being read.
void rapport::Impression::Lecture_Accord() {
    const auto lendemain = Lendemain_Fin();
    const std::string courant = Colonne_Accord(1);
    rapport::DecisionAccord& decision = copie_.decision;
    decision = rapport::DecisionAccord{};
    decision.cle = courant;
    decision.fin = Colonne_Accord(2);
    decision.organisme = Colonne_Accord(3);
    decision.lendemain = lendemain;
    if (!lendemain) {
        return;
    }
    const std::string aide = Code_Aide();
    for (int numero = 1; numero <= ardoine::DernierNumeroAccord; ++numero) {
        const std::string cle = aide + ardoine::Numero_Accord(numero);
        if (cle == courant) {
            continue;
        }
        if (!Lire_Accord_Numero(aide, numero)) {
            if (rapport::Manque_Termine_Les_Accords(numero)) {
                return;
            }
            continue;
        }
        const dba::Enregistrement& accord = *module_.Enr_Accord;
        rapport::AccordSuivant& suivant = decision.suivants.emplace_back();
        suivant.cle = cle;
        suivant.debut = accord(5);
        suivant.marque = accord(18);
        suivant.organisme = accord(1);
        suivant.debuteLeLendemain = rapport::Debute_Le(accord, *lendemain);
        if (suivant.debuteLeLendemain && Accord_Suivant_Compte()) {
            decision.renouvele = true;
            return;
        }
    }
}

// Whether the follow-on agreement in Enr_Accord renews the current one, after its funding
// body; what was found is noted on the decision.
bool rapport::Impression::Accord_Suivant_Compte() {
    const dba::Enregistrement& accord = *module_.Enr_Accord;
    rapport::AccordSuivant& suivant = copie_.decision.suivants.back();
    suivant.organismeLu =
        Lire_Enregistrement(module_.Fic_OrgPriseCharge, accord(1), module_.Enr_OrgPriseCharge);
    const dba::Enregistrement* organisme =
        suivant.organismeLu ? module_.Enr_OrgPriseCharge.get() : nullptr;
    if (organisme != nullptr) {
        suivant.typeOrganisme = (*organisme)(18);
        suivant.statutOrganisme = (*organisme)(20);
    }
    suivant.renouvelle = rapport::Accord_Renouvelle(accord, organisme);
    return suivant.renouvelle;
}

// An agreement neither renewed nor covered is listed, unless its person is hidden from the
// user: such a person never starts a group nor takes a line.
void rapport::Impression::Lecture_Demandacc() {
    rapport::DecisionAccord& decision = copie_.decision;
    decision.demandeExaminee = true;
    decision.couvert = Demande_Couvre();
    if (decision.couvert) {
        return;
    }
    Lire_Aide();
    const dba::Enregistrement& personne = *module_.Enr_CivilAide;
    decision.aideExamine = true;
    decision.aideLu = copie_.aideTrouvee;
    decision.secteur = rapport::Secteur_Aide(personne);
    decision.visible = Aide_Visible(personne);
    if (decision.visible) {
        decision.ligne = Ligne_Liste();
    }
}

// Whether a line of the person's request covers the day after the end; each line looked at is
// noted on the decision.
bool rapport::Impression::Demande_Couvre() {
    const auto lendemain = Lendemain_Fin();
    if (!lendemain) {
        return false;
    }
    rapport::DecisionAccord& decision = copie_.decision;
    decision.demandeLue =
        Lire_Enregistrement(module_.Fic_DemandAcc, Code_Aide(), module_.Enr_DemandAcc);
    if (!decision.demandeLue) {
        return false;
    }
    const dba::Enregistrement& demande = *module_.Enr_DemandAcc;
    const int lignes = demande.DCount(2);
    for (int numero = 1; numero <= lignes; ++numero) {
        rapport::LigneDemandeExaminee& ligne = decision.demande.emplace_back();
        ligne.numero = numero;
        ligne.organisme = demande(1, numero);
        ligne.debut = demande(3, numero);
        ligne.fin = demande(4, numero);
        ligne.contientLendemain = rapport::Periode_Contient(ligne.debut, ligne.fin, *lendemain);
        if (!ligne.contientLendemain) {
            continue;
        }
        ligne.organismeLu = Lire_Enregistrement(module_.Fic_OrgPriseCharge, ligne.organisme,
                                                module_.Enr_OrgPriseCharge);
        ligne.typeOrganisme = (*module_.Enr_OrgPriseCharge)(18);
        ligne.couvre = rapport::Organisme_Couvre(
            ligne.organismeLu ? module_.Enr_OrgPriseCharge.get() : nullptr);
        if (ligne.couvre) {
            return true;
        }
    }
    return false;
}

// The fields of the current row's line; its person is read already (Lecture_Demandacc).
rapport::LigneListe rapport::Impression::Ligne_Liste() {
    const dba::Enregistrement& personne = *module_.Enr_CivilAide;
    Lire_Enregistrement(module_.Fic_OrgPriseCharge, Colonne_Accord(3), module_.Enr_OrgPriseCharge);
    return rapport::LigneListe{Code_Aide(),
                               personne(2),
                               personne(3),
                               Colonne_Accord(3),
                               (*module_.Enr_OrgPriseCharge)(1),
                               Colonne_Accord(2),
                               Groupe_Aide(personne)};
}
