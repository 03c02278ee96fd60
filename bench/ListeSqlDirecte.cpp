#include "ListeSqlDirecte.h"

#include <sqlite3.h>

#include <charconv>
#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "TexteRapport.h"
#include "dba/TableauDynamique.h"
#include "demogen/JourInterne.h"
#include "outils/JourInterne.h"

namespace {

// The selection of the print command with every record the line and its group block need,
// joined in, and the person's agreements with what the renewal test reads of them (sequence,
// start, mark, funding body's type and status), fields and agreements separated by the
// control characters 31 and 30. The renewal and request tests are made on these afterwards.
constexpr const char* Requete = R"sql(
WITH f AS (SELECT (SELECT id FROM fichier WHERE nom = 'ACCORD') AS acc,
                  (SELECT id FROM fichier WHERE nom = 'CIVILAIDE') AS civ,
                  (SELECT id FROM fichier WHERE nom = 'ORGPRISECHARGE') AS org,
                  (SELECT id FROM fichier WHERE nom = 'DEMANDACC') AS dem,
                  (SELECT id FROM fichier WHERE nom = 'RESPONSABLE') AS resp)
SELECT a.cle, attribut(a.donnees, 6), c.donnees, o.donnees, d.donnees, r.donnees,
  (SELECT group_concat(CAST(substr(s.cle, 6) AS TEXT) || char(31) || attribut(s.donnees, 5)
                       || char(31) || attribut(s.donnees, 18) || char(31)
                       || attribut(so.donnees, 18) || char(31) || attribut(so.donnees, 20),
                       char(30))
   FROM enreg s
   LEFT JOIN enreg so ON so.fichier = f.org AND so.cle = CAST(attribut(s.donnees, 1) AS BLOB)
   WHERE s.fichier = f.acc
     AND s.cle BETWEEN CAST(substr(a.cle, 1, 5) || '001' AS BLOB)
                   AND CAST(substr(a.cle, 1, 5) || '999' AS BLOB))
FROM f
JOIN entree e ON e.fichier = f.acc AND e.attribut = 6 AND e.num BETWEEN ?1 AND ?2
JOIN enreg a ON a.fichier = f.acc AND a.cle = e.cle
LEFT JOIN enreg c ON c.fichier = f.civ AND c.cle = substr(a.cle, 1, 5)
LEFT JOIN enreg o ON o.fichier = f.org AND o.cle = CAST(attribut(a.donnees, 1) AS BLOB)
LEFT JOIN enreg d ON d.fichier = f.dem AND d.cle = substr(a.cle, 1, 5)
LEFT JOIN enreg r ON r.fichier = f.resp AND r.cle = CAST(attribut(c.donnees, 39) AS BLOB)
WHERE attribut(o.donnees, 18) = 'P' AND attribut(a.donnees, 2) = ?3
  AND attribut(c.donnees, 25) = '' AND attribut(a.donnees, 18) = ''
  AND attribut(a.donnees, 20) = ''
ORDER BY attribut(c.donnees, 39), attribut(c.donnees, 2) || ' ' || attribut(c.donnees, 3), a.cle
)sql";

std::string_view octets(sqlite3_value* valeur) {
    const auto* debut = static_cast<const char*>(sqlite3_value_blob(valeur));
    return debut == nullptr
               ? std::string_view()
               : std::string_view(debut, static_cast<std::size_t>(sqlite3_value_bytes(valeur)));
}

// attribut(record, n): attribute n of a dynamic array, the empty text past its end or for
// no record at all (never NULL, which compares equal to nothing).
void attribut(sqlite3_context* contexte, int, sqlite3_value** arguments) {
    const std::string_view valeur =
        dba::partie(octets(arguments[0]), dba::MarqueAttribut, sqlite3_value_int(arguments[1]));
    sqlite3_result_text(contexte, valeur.empty() ? "" : valeur.data(),
                        static_cast<int>(valeur.size()), SQLITE_TRANSIENT);
}

std::string colonne(sqlite3_stmt* instruction, int numero) {
    const auto* debut = static_cast<const char*>(sqlite3_column_blob(instruction, numero));
    return debut == nullptr
               ? std::string()
               : std::string(debut,
                             static_cast<std::size_t>(sqlite3_column_bytes(instruction, numero)));
}

// The integer part of a number; nothing for any other text.
std::optional<long long> entier(std::string_view texte) {
    long long valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || (fin != texte.data() + texte.size() && *fin != '.')) {
        return std::nullopt;
    }
    return valeur;
}
class Connexion {
  public:
    explicit Connexion(const std::string& chemin) {
        if (sqlite3_open_v2(chemin.c_str(), &base_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
            sqlite3_create_function(base_, "attribut", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                    nullptr, attribut, nullptr, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(base_));
        }
    }
    ~Connexion() { sqlite3_close(base_); }
    Connexion(const Connexion&) = delete;
    Connexion& operator=(const Connexion&) = delete;

    sqlite3_stmt* preparer(const char* texte) {
        sqlite3_stmt* instruction = nullptr;
        if (sqlite3_prepare_v2(base_, texte, -1, &instruction, nullptr) != SQLITE_OK) {
            throw std::runtime_error(sqlite3_errmsg(base_));
        }
        return instruction;
    }

  private:
    sqlite3* base_ = nullptr;
};

// The type (attribute 18) of every funding body, for the request lines.
std::map<std::string, std::string> typesDesOrganismes(Connexion& connexion) {
    sqlite3_stmt* instruction = connexion.preparer(
        "SELECT cle, attribut(donnees, 18) FROM enreg "
        "WHERE fichier = (SELECT id FROM fichier WHERE nom = 'ORGPRISECHARGE')");
    std::map<std::string, std::string> types;
    while (sqlite3_step(instruction) == SQLITE_ROW) {
        types[colonne(instruction, 0)] = colonne(instruction, 1);
    }
    sqlite3_finalize(instruction);
    return types;
}

// The person's agreements are examined in sequence order up to the first gap ("001" may be
// missing); one that starts on the day counts unless marked "O", if its funding body funds
// care and still takes agreements.
bool renouvele(std::string_view suite, long long jour) {
    std::map<long long, std::vector<std::string_view>> accords;
    for (const std::string_view accord : dba::decouper(suite, '\x1e')) {
        const auto champs = dba::decouper(accord, '\x1f');
        accords[entier(champs.at(0)).value_or(0)] = champs;
    }
    for (long long numero = 1; numero <= 999; ++numero) {
        const auto accord = accords.find(numero);
        if (accord == accords.end()) {
            if (numero == 1) {
                continue;
            }
            return false;
        }
        const auto& champs = accord->second;
        if (entier(champs[1]) == jour && champs[2] != "O" && champs[3] == "P" && champs[4] != "0") {
            return true;
        }
    }
    return false;
}

bool demandeCouvre(const std::string& demande, long long jour,
                   const std::map<std::string, std::string>& types) {
    const dba::TableauDynamique lignes(demande);
    for (int i = 1; i <= lignes.DCount(2); ++i) {
        const auto type = types.find(lignes(1, i));
        const auto debut = entier(lignes(3, i));
        const auto fin = entier(lignes(4, i));
        if (debut && fin && *debut <= jour && jour <= *fin && type != types.end() &&
            type->second == "P") {
            return true;
        }
    }
    return false;
}

std::vector<std::string> blocResponsable(const std::string& donnees) {
    const dba::TableauDynamique responsable(donnees);
    std::vector<std::string> bloc{"Responsable : " + responsable(1)};
    std::string adresse;
    for (int attribut = 2; attribut <= 5; ++attribut) {
        if (!responsable(attribut).empty()) {
            adresse += responsable(attribut) + " ";
        }
    }
    const std::string retrait(14, ' ');
    if (!adresse.empty()) {
        bloc.push_back(retrait + adresse);
    }
    if (!responsable(6).empty()) {
        bloc.push_back(retrait + responsable(6));
    }
    bloc.push_back(retrait + responsable(7) + " " + responsable(8));
    return bloc;
}

std::string detail(const std::string& cle, const std::string& fin, const std::string& aide,
                   const std::string& organisme) {
    const dba::TableauDynamique personne(aide);
    const dba::TableauDynamique corps(organisme);
    return ardoine::Debut(cle, 5) + " " +
           ardoine::Colonne_Ajustee(personne(2) + " " + personne(3), 32, 34) +
           ardoine::Colonne_Ajustee(corps(1), 39, 41) +
           outils::dateDuJour(entier(fin).value_or(0))
               .toString(QStringLiteral("dd/MM/yyyy"))
               .toStdString();
}

}  // namespace

std::vector<LigneDirecte> listeSqlDirecte(const std::string& chemin, const std::string& entite,
                                          int annee, int mois) {
    Connexion connexion(chemin);
    const auto types = typesDesOrganismes(connexion);
    sqlite3_stmt* instruction = connexion.preparer(Requete);
    sqlite3_bind_int64(instruction, 1, demogen::premierJourDuMois(annee, mois));
    sqlite3_bind_int64(instruction, 2, demogen::premierJourDuMois(annee, mois + 1) - 1);
    sqlite3_bind_text(instruction, 3, entite.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<LigneDirecte> lignes;
    while (sqlite3_step(instruction) == SQLITE_ROW) {
        const std::string fin = colonne(instruction, 1);
        const std::string aide = colonne(instruction, 2);
        const long long lendemain = entier(fin).value_or(-1) + 1;
        if (renouvele(colonne(instruction, 6), lendemain) ||
            demandeCouvre(colonne(instruction, 4), lendemain, types)) {
            continue;
        }
        const std::string cle = colonne(instruction, 0);
        lignes.push_back({dba::TableauDynamique(aide)(39), blocResponsable(colonne(instruction, 5)),
                          detail(cle, fin, aide, colonne(instruction, 3))});
    }
    sqlite3_finalize(instruction);
    return lignes;
}
