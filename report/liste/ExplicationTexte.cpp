#include <charconv>
#include <optional>

#include "Explication.h"

// The explanation written for people: French, rule by rule, every condition with what holds
// or fails, each attribute by its dictionary name.

namespace rapport {

namespace {

using Date = std::function<std::string(const std::string&)>;

std::string Valeur(const std::string& texte) {
    return texte.empty() ? "vide" : "« " + texte + " »";
}

// The integer part of a day number; nothing when the text is no number.
std::optional<std::int64_t> Jour(const std::string& texte) {
    std::int64_t jour = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), jour);
    if (erreur != std::errc{} || (fin != texte.data() + texte.size() && *fin != '.')) {
        return std::nullopt;
    }
    return jour;
}

// "le 01/06/2018", or "à une date vide".
std::string Le(const std::string& jour, const Date& date) {
    return jour.empty() ? "à une date vide" : "le " + date(jour);
}

std::string Verifiee(bool verifiee) {
    return verifiee ? " : vérifiée\n" : " : NON vérifiée\n";
}

// The names of what the rules test, from the dictionaries.
struct Noms {
    explicit Noms(const NomsAttributs& noms)
        : debut(noms.Nom("ACCORD", 5)),
          marque(noms.Nom("ACCORD", 18)),
          type(noms.Nom("ORGPRISECHARGE", 18)),
          statut(noms.Nom("ORGPRISECHARGE", 20)),
          debutLigne(noms.Nom("DEMANDACC", 3)),
          finLigne(noms.Nom("DEMANDACC", 4)),
          secteur(noms.Nom("CIVILAIDE", 40)) {}

    std::string debut;
    std::string marque;
    std::string type;
    std::string statut;
    std::string debutLigne;
    std::string finLigne;
    std::string secteur;
};

void Selection(std::string& texte, const Explication& explication, const ExplicationAccord& accord,
               const Date& date) {
    texte += "  1. Sélection par la phrase :\n";
    for (const ConditionExaminee& condition : accord.conditions) {
        texte += "     - " + Constat(condition, explication.noms, date) +
                 (condition.verifiee ? " : vérifiée\n" : " : NON vérifiée, l'accord est écarté\n");
    }
    texte += accord.selectionne ? "     => sélectionné\n" : "     => non sélectionné\n";
}

// "après le lendemain de la fin" and the like, for a start that is not the day after the end.
std::string Ecart_Au_Lendemain(const std::string& debut, std::int64_t lendemain) {
    const auto jour = Jour(debut);
    if (!jour) {
        return "date illisible";
    }
    return *jour < lendemain ? "avant le lendemain de la fin" : "après le lendemain de la fin";
}

// The three conditions on a follow-on agreement that starts the day after the end.
void Conditions_Suivant(std::string& texte, const AccordSuivant& suivant, const Noms& noms) {
    texte +=
        "         . marque (" + noms.marque + ") " + Valeur(suivant.marque) +
        (suivant.marque == "O" ? " : un accord marqué « O » ne compte pas" : ", autre que « O »") +
        Verifiee(suivant.marque != "O");
    if (!suivant.organismeLu) {
        texte += "         . organisme " + suivant.organisme +
                 " absent du fichier ORGPRISECHARGE : NON vérifiée\n";
        return;
    }
    const bool priseEnCharge = suivant.typeOrganisme == "P";
    texte += "         . type de l'organisme " + suivant.organisme + " (" + noms.type + ") " +
             Valeur(suivant.typeOrganisme) + (priseEnCharge ? "" : " au lieu de « P »") +
             Verifiee(priseEnCharge);
    const bool ouvert = suivant.statutOrganisme != "0";
    texte += "         . statut de l'organisme " + suivant.organisme + " (" + noms.statut + ") " +
             Valeur(suivant.statutOrganisme) +
             (ouvert ? ", autre que « 0 »" : " : l'organisme ne prend plus de nouveaux accords") +
             Verifiee(ouvert);
}

void Suivant(std::string& texte, const AccordSuivant& suivant, std::int64_t lendemain,
             const Noms& noms, const Date& date) {
    texte += "     - accord " + suivant.cle + " : commence " + Le(suivant.debut, date) + " (" +
             noms.debut + "), ";
    if (!suivant.debuteLeLendemain) {
        texte += Ecart_Au_Lendemain(suivant.debut, lendemain) + " : ne renouvelle pas\n";
        return;
    }
    texte += suivant.renouvelle ? "le lendemain de la fin : renouvelle l'accord\n"
                                : "le lendemain de la fin, mais ne renouvelle pas :\n";
    Conditions_Suivant(texte, suivant, noms);
}

void Renouvellement(std::string& texte, const DecisionAccord& decision, const Noms& noms,
                    const Date& date) {
    if (!decision.lendemain) {
        texte +=
            "  2. Renouvellement : la fin de l'accord n'est pas une date, rien ne le "
            "renouvelle\n     => non renouvelé\n";
        return;
    }
    const std::string lendemain = std::to_string(*decision.lendemain);
    texte += "  2. Renouvellement : il faut un accord suivant de l'aidé qui commence " +
             Le(lendemain, date) +
             ", lendemain de la fin, non marqué « O », chez un organisme de type « P » qui prend "
             "encore des accords (statut autre que « 0 »)\n";
    if (decision.suivants.empty()) {
        texte += "     - aucun autre accord de l'aidé au fichier\n";
    }
    for (const AccordSuivant& suivant : decision.suivants) {
        Suivant(texte, suivant, *decision.lendemain, noms, date);
    }
    texte += decision.renouvele ? "     => renouvelé\n" : "     => non renouvelé\n";
}

// Why a request line whose period does not hold the day after the end covers nothing.
std::string Hors_Periode(const LigneDemandeExaminee& ligne, std::int64_t lendemain) {
    const auto debut = Jour(ligne.debut);
    const auto fin = Jour(ligne.fin);
    if (!debut || !fin) {
        return "sa période n'est pas faite de dates";
    }
    return *debut > lendemain ? "commence après le lendemain de la fin"
                              : "finit avant le lendemain de la fin";
}

void Ligne_Demande(std::string& texte, const LigneDemandeExaminee& ligne, std::int64_t lendemain,
                   const Noms& noms, const Date& date) {
    texte += "     - ligne " + std::to_string(ligne.numero) + " : du " + date(ligne.debut) +
             " au " + date(ligne.fin) + " (" + noms.debutLigne + ", " + noms.finLigne + "), ";
    if (!ligne.contientLendemain) {
        texte += Hors_Periode(ligne, lendemain) + " : ne couvre pas\n";
        return;
    }
    texte += "contient le lendemain de la fin ; ";
    if (!ligne.organismeLu) {
        texte +=
            "organisme " + ligne.organisme + " absent du fichier ORGPRISECHARGE : ne couvre pas\n";
        return;
    }
    texte += "organisme " + ligne.organisme + " de type (" + noms.type + ") " +
             Valeur(ligne.typeOrganisme) +
             (ligne.couvre ? " : couvre l'accord\n" : " au lieu de « P » : ne couvre pas\n");
}

void Demande(std::string& texte, const DecisionAccord& decision, const Noms& noms,
             const Date& date) {
    if (!decision.demandeExaminee || !decision.lendemain) {
        return;
    }
    texte +=
        "  3. Demande de renouvellement : il faut une ligne de la demande de l'aidé dont la "
        "période contient " +
        Le(std::to_string(*decision.lendemain), date) + ", chez un organisme de type « P »\n";
    if (!decision.demandeLue) {
        texte += "     - aucune demande au fichier DEMANDACC\n";
    }
    for (const LigneDemandeExaminee& ligne : decision.demande) {
        Ligne_Demande(texte, ligne, *decision.lendemain, noms, date);
    }
    texte += decision.couvert ? "     => couvert\n" : "     => non couvert\n";
}

void Droits(std::string& texte, const DecisionAccord& decision, const Noms& noms) {
    if (!decision.aideExamine) {
        return;
    }
    texte += "  4. Droits de l'utilisateur : ";
    if (!decision.aideLu) {
        texte += "fiche de l'aidé absente du fichier, ";
    }
    texte += "secteur " + Valeur(decision.secteur) + " (" + noms.secteur +
             ", 3 premiers caractères)" +
             (decision.visible ? " visible\n" : " caché à l'utilisateur\n");
}

}  // namespace

std::string Texte_Explication(const Explication& explication, const Date& date) {
    const Noms noms(explication.noms);
    std::string texte = "Aidé " + explication.aide + ", liste de " + explication.periode + "\n";
    if (explication.accords.empty()) {
        texte += "Aucun accord au fichier.\n";
    }
    for (const ExplicationAccord& accord : explication.accords) {
        texte += "\nAccord " + accord.cle + " du " + date(accord.debut) + " au " +
                 date(accord.fin) + "\n";
        Selection(texte, explication, accord, date);
        if (accord.decision) {
            Renouvellement(texte, *accord.decision, noms, date);
            Demande(texte, *accord.decision, noms, date);
            Droits(texte, *accord.decision, noms);
        }
        texte += "  Verdict : " + Verdict(accord) + "\n";
    }
    return texte;
}

}  // namespace rapport
