#include <map>

#include "Explication.h"

// The conditions of the selection sentence said as a person would say them.

namespace rapport {

namespace {

using Date = std::function<std::string(const std::string&)>;

// What an attribute of the sentence over ACCORD stands for, and whether it holds a date.
struct Sens {
    const char* sujet;
    bool date;
};

const std::map<std::string, Sens>& Sens_Des_Attributs() {
    static const std::map<std::string, Sens> sens{
        {"TypeOrgChgAcc", {"le type de l'organisme de prise en charge", false}},
        {"6", {"la date de fin de l'accord", true}},
        {"EntiteAccord", {"l'entité juridique de l'accord", false}},
        {"DateSortieAideAccord", {"la date de sortie de l'aidé", true}},
        {"18", {"la marque de l'accord", false}},
        {"20", {"le code de clôture de l'accord", false}},
        {"ActivitesOrg", {"l'entité et l'activité de l'accord", false}},
        {"CodeResponsable", {"le responsable de l'aidé", false}},
        {"CodeSecteur", {"le secteur de l'aidé", false}},
        {"CommuneAide", {"la commune de l'aidé", false}},
        {"1", {"l'organisme de prise en charge de l'accord", false}},
    };
    return sens;
}

// How a value reads after a verb: "le 01/12/2026" for a date, "« 041 »" otherwise.
class Lecture {
  public:
    Lecture(bool date, const Date& versDate) : date_(date), versDate_(versDate) {}

    std::string Valeur(const std::string& valeur) const {
        return date_ ? "le " + versDate_(valeur) : "« " + valeur + " »";
    }
    // "est le 31/12/2026", "vaut « P »", "est vide".
    std::string Etat(const std::string& valeur) const {
        if (valeur.empty()) {
            return "est vide";
        }
        return date_ ? "est " + Valeur(valeur) : "vaut " + Valeur(valeur);
    }
    std::string Avant() const { return date_ ? "avant " : "moins que "; }
    std::string Apres() const { return date_ ? "après " : "plus que "; }

  private:
    bool date_;
    const Date& versDate_;
};

std::string Egal(const Lecture& lecture, const std::string& trouvee, const std::string& demandee,
                 bool verifiee) {
    if (demandee.empty()) {
        return verifiee ? "est vide, comme demandé"
                        : lecture.Etat(trouvee) + " au lieu d'être vide";
    }
    if (verifiee) {
        return lecture.Etat(trouvee) + ", comme demandé";
    }
    return lecture.Etat(trouvee) + " au lieu de " + lecture.Valeur(demandee);
}

std::string Borne(const Lecture& lecture, const std::string& trouvee, const std::string& demandee,
                  bool verifiee, bool auMoins) {
    if (trouvee.empty() && !verifiee) {
        return "est vide";
    }
    const std::string cote = auMoins ? lecture.Avant() : lecture.Apres();
    return lecture.Etat(trouvee) + ", " + (verifiee ? "pas " : "") + cote +
           lecture.Valeur(demandee);
}

}  // namespace

std::string Constat(const ConditionExaminee& condition, const NomsAttributs& noms,
                    const Date& date) {
    const PartieSelection& partie = condition.condition;
    const std::string nom = noms.Nom("ACCORD", partie.attribut);
    const auto sens = Sens_Des_Attributs().find(partie.attribut);
    const bool estDate = sens != Sens_Des_Attributs().end() && sens->second.date;
    const std::string sujet = sens == Sens_Des_Attributs().end()
                                  ? nom
                                  : std::string(sens->second.sujet) + " (" + nom + ")";
    const Lecture lecture(estDate, date);
    const std::string& trouvee = condition.valeurTrouvee;
    const bool verifiee = condition.verifiee;
    if (partie.operateur == ">=") {
        return sujet + " " + Borne(lecture, trouvee, partie.valeur, verifiee, true);
    }
    if (partie.operateur == "<=") {
        return sujet + " " + Borne(lecture, trouvee, partie.valeur, verifiee, false);
    }
    if (partie.operateur == "<>") {
        return sujet + " " + lecture.Etat(trouvee) +
               (verifiee ? ", autre que " + lecture.Valeur(partie.valeur) : ", la valeur exclue");
    }
    return sujet + " " + Egal(lecture, trouvee, partie.valeur, verifiee);
}

}  // namespace rapport
