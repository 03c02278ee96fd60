#include "DonneesRapport.h"

#include <QDate>
#include <sstream>

#include "BaseEssai.h"
#include "demogen/DictionnaireAccord.h"
#include "outils/JourInterne.h"

namespace essai {

using nlohmann::json;

std::int64_t Jour(int annee, int mois, int jour) {
    return outils::jourInterne(QDate(annee, mois, jour));
}

std::string TexteJour(int annee, int mois, int jour) {
    return std::to_string(Jour(annee, mois, jour));
}

std::string FinMai() {
    return TexteJour(2018, 5, 31);
}

std::int64_t LendemainFinMai() {
    return Jour(2018, 6, 1);
}

std::vector<std::string> Socle() {
    std::vector<std::string> lignes{
        Ligne("ASSOCIATION", "041", {{1, "AIDE A DOMICILE"}}),
        Ligne("ORGPRISECHARGE", "001", {{1, "CONSEIL DEPARTEMENTAL"}, {18, "P"}, {46, "041"}}),
        Ligne("ORGPRISECHARGE", "002", {{1, "CAISSE FERMEE"}, {18, "P"}, {20, "0"}, {46, "041"}}),
        Ligne("ORGPRISECHARGE", "003", {{1, "MUTUELLE"}, {18, "M"}, {46, "041"}}),
        Ligne("RESPONSABLE", "R01",
              {{1, "DUPONT Jean"},
               {2, "12"},
               {3, "rue"},
               {4, "des"},
               {5, "Lilas"},
               {6, "Bâtiment B"},
               {7, "75001"},
               {8, "PARIS"}}),
        Ligne("RESPONSABLE", "R02", {{1, "MARTIN Anne"}, {7, "69001"}, {8, "LYON"}}),
        Ligne("SECTEUR", "S01", {{1, "NORD"}}),
        Ligne("SECTEUR", "S02", {{1, "SUD"}}),
        Ligne("DROITS", "admin",
              {{1, json::array({"ARDOINE"})}, {2, json::array({"2"})}, {3, json::array({"*"})}}),
        Ligne("DROITS", "secteur1",
              {{1, json::array({"ARDOINE"})}, {2, json::array({"2"})}, {3, json::array({"S01"})}}),
    };
    std::string dictionnaire;
    demogen::ecrireDictionnaireAccord(dictionnaire);
    std::istringstream items(dictionnaire);
    for (std::string item; std::getline(items, item);) {
        lignes.push_back(item);
    }
    return lignes;
}

std::string JourApresMai(std::int64_t decalage) {
    return std::to_string(LendemainFinMai() + decalage);
}

std::string AccordDeMai(const std::string& cle, const std::string& organisme) {
    return LigneAccord({cle, TexteJour(2017, 6, 1), FinMai(), organisme});
}

std::string Suivant(const std::string& cle, std::int64_t decalage, const std::string& organisme,
                    const std::string& marque) {
    return LigneAccord({cle, JourApresMai(decalage), JourApresMai(365), organisme, marque});
}

std::vector<std::string> Avec(std::vector<std::string> lignes) {
    std::vector<std::string> tout = Socle();
    tout.insert(tout.end(), lignes.begin(), lignes.end());
    return tout;
}

std::string Aide(const Personne& p) {
    return Ligne(
        "CIVILAIDE", p.code,
        {{2, p.nom}, {3, p.prenom}, {11, p.commune}, {39, p.responsable}, {40, p.secteur}});
}

std::vector<Personne> Serie(int n) {
    std::vector<Personne> personnes;
    for (int i = 1; i <= n; ++i) {
        const std::string code = std::to_string(100000 + i).substr(1);
        personnes.push_back({code, "NOM" + code, "Prenom"});
    }
    return personnes;
}

std::vector<std::string> AidesDeMai(const std::vector<Personne>& personnes) {
    std::vector<std::string> lignes;
    for (const Personne& personne : personnes) {
        lignes.push_back(Aide(personne));
        lignes.push_back(LigneAccord({personne.code + "001", "1", FinMai()}));
    }
    return lignes;
}

std::string LigneAccord(const Accord& a) {
    return Ligne("ACCORD", a.cle,
                 {{1, a.organisme}, {2, "041"}, {5, a.debut}, {6, a.fin}, {18, a.marque}});
}

std::string Demande(const std::string& personne, const std::vector<LigneDemande>& lignes) {
    json organismes = json::array();
    json dates = json::array();
    json debuts = json::array();
    json fins = json::array();
    for (const LigneDemande& ligne : lignes) {
        organismes.push_back(ligne.organisme);
        dates.push_back(ligne.debut);
        debuts.push_back(ligne.debut);
        fins.push_back(ligne.fin);
    }
    return Ligne("DEMANDACC", personne, {{1, organismes}, {2, dates}, {3, debuts}, {4, fins}});
}

}  // namespace essai
