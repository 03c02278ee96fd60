#include "Ctr_ArdoinePrivate.h"
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
void Ctr_ArdoinePrivate::Lecture_Accord() {
    const auto lendemain = Lendemain_Fin();
    const std::string courant = Colonne_Accord(1);
    rapport::DecisionAccord& decision = Etat.copie.decision;
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
        const dba::Enregistrement& accord = *Module.Enr_Accord;
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
bool Ctr_ArdoinePrivate::Accord_Suivant_Compte() {
    const dba::Enregistrement& accord = *Module.Enr_Accord;
    rapport::AccordSuivant& suivant = Etat.copie.decision.suivants.back();
    suivant.organismeLu =
        Lire_Enregistrement(Module.Fic_OrgPriseCharge, accord(1), Module.Enr_OrgPriseCharge);
    const dba::Enregistrement* organisme =
        suivant.organismeLu ? Module.Enr_OrgPriseCharge.get() : nullptr;
    if (organisme != nullptr) {
        suivant.typeOrganisme = (*organisme)(18);
        suivant.statutOrganisme = (*organisme)(20);
    }
    suivant.renouvelle = rapport::Accord_Renouvelle(accord, organisme);
    return suivant.renouvelle;
}

// An agreement neither renewed nor covered is listed, unless its person is hidden from the
// user: such a person never starts a group nor takes a line.
void Ctr_ArdoinePrivate::Lecture_Demandacc() {
    rapport::DecisionAccord& decision = Etat.copie.decision;
    decision.demandeExaminee = true;
    decision.couvert = Demande_Couvre();
    if (decision.couvert) {
        return;
    }
    Lire_Aide();
    const dba::Enregistrement& personne = *Module.Enr_CivilAide;
    decision.aideExamine = true;
    decision.aideLu = Etat.copie.aideTrouvee;
    decision.secteur = rapport::Secteur_Aide(personne);
    decision.visible = Aide_Visible(personne);
    if (decision.visible) {
        decision.ligne = Ligne_Liste();
    }
}

// Whether a line of the person's request covers the day after the end; each line looked at is
// noted on the decision.
bool Ctr_ArdoinePrivate::Demande_Couvre() {
    const auto lendemain = Lendemain_Fin();
    if (!lendemain) {
        return false;
    }
    rapport::DecisionAccord& decision = Etat.copie.decision;
    decision.demandeLue =
        Lire_Enregistrement(Module.Fic_DemandAcc, Code_Aide(), Module.Enr_DemandAcc);
    if (!decision.demandeLue) {
        return false;
    }
    const dba::Enregistrement& demande = *Module.Enr_DemandAcc;
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
        ligne.organismeLu = Lire_Enregistrement(Module.Fic_OrgPriseCharge, ligne.organisme,
                                                Module.Enr_OrgPriseCharge);
        ligne.typeOrganisme = (*Module.Enr_OrgPriseCharge)(18);
        ligne.couvre = rapport::Organisme_Couvre(ligne.organismeLu ? Module.Enr_OrgPriseCharge.get()
                                                                   : nullptr);
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
