#include "MotDePasse.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace mvdb {

namespace {

constexpr std::string_view MotCle = "password";

bool egauxSansCasse(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

int chiffreHexa(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isxdigit(u) != 0 ? (std::isdigit(u) != 0 ? u - '0' : std::tolower(u) - 'a' + 10)
                                 : -1;
}

// %XX sequences decoded; a malformed one is kept as it is.
std::string decoderPourcents(std::string_view texte) {
    std::string decode;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '%' && i + 2 < texte.size() && chiffreHexa(texte[i + 1]) >= 0 &&
            chiffreHexa(texte[i + 2]) >= 0) {
            decode += static_cast<char>(chiffreHexa(texte[i + 1]) * 16 + chiffreHexa(texte[i + 2]));
            i += 2;
        } else {
            decode += texte[i];
        }
    }
    return decode;
}

// A keyword value as the client library reads it: quotes removed, backslash escapes undone.
std::string valeurLue(std::string_view ecrite) {
    if (ecrite.starts_with('\'')) {
        ecrite.remove_prefix(1);
        if (ecrite.ends_with('\'')) {
            ecrite.remove_suffix(1);
        }
    }
    std::string valeur;
    for (std::size_t i = 0; i < ecrite.size(); ++i) {
        if (ecrite[i] == '\\' && i + 1 < ecrite.size()) {
            ++i;
        }
        valeur += ecrite[i];
    }
    return valeur;
}

// "password=" parameters of a URI's query, wherever a '?' or '&' starts one.
void plagesRequete(std::string_view nom, std::vector<Plage>& plages) {
    for (std::size_t i = nom.find_first_of("?&"); i != std::string_view::npos;
         i = nom.find_first_of("?&", i + 1)) {
        const std::size_t egal = nom.find('=', i + 1);
        const std::size_t suivant = nom.find('&', i + 1);
        if (egal == std::string_view::npos || egal > suivant) {
            continue;
        }
        if (egauxSansCasse(decoderPourcents(nom.substr(i + 1, egal - i - 1)), "password")) {
            plages.push_back({egal + 1, suivant == std::string_view::npos ? nom.size() : suivant});
        }
    }
}

// Where a URI's authority starts: after the scheme's ':' and the two slashes, or the one a
// misspelling left.
std::size_t debutAutorite(std::string_view nom) {
    std::size_t debut = nom.find(':') + 1;
    for (int barre = 0; barre < 2 && debut < nom.size() && nom[debut] == '/'; ++barre) {
        ++debut;
    }
    return debut;
}

bool chiffres(std::string_view texte) {
    return !texte.empty() && std::all_of(texte.begin(), texte.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// In an authority without user information ("h1:5432,h2:5433", "[::1]:5432"), the first ':'
// that a port does not follow; npos when every host's port is one.
std::size_t deuxPointsSansPort(std::string_view nom, std::size_t debut) {
    const std::size_t fin = std::min(nom.find_first_of("/?#", debut), nom.size());
    for (std::size_t hote = debut; hote < fin;) {
        const std::size_t virgule = std::min(nom.find(',', hote), fin);
        const std::string_view element = nom.substr(hote, virgule - hote);
        const std::size_t apresAdresse =
            element.starts_with('[') ? std::min(element.find(']'), element.size()) : 0;
        const std::size_t deuxPoints = element.find(':', apresAdresse);
        if (deuxPoints != std::string_view::npos && !chiffres(element.substr(deuxPoints + 1))) {
            return hote + deuxPoints;
        }
        hote = virgule + 1;
    }
    return std::string_view::npos;
}

void plagesUri(std::string_view nom, std::vector<Plage>& plages) {
    const std::size_t debut = debutAutorite(nom);
    const std::size_t arobase = nom.rfind('@');
    if (arobase != std::string_view::npos && arobase >= debut) {
        const std::size_t deuxPoints = nom.find(':', debut);
        if (deuxPoints < arobase) {
            plages.push_back({deuxPoints + 1, arobase});
        }
    } else if (const std::size_t deuxPoints = deuxPointsSansPort(nom, debut);
               deuxPoints != std::string_view::npos) {
        plages.push_back({deuxPoints + 1, nom.size()});
    }
    plagesRequete(nom, plages);
}

bool espace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::size_t sauterEspaces(std::string_view nom, std::size_t i) {
    while (i < nom.size() && espace(nom[i])) {
        ++i;
    }
    return i;
}

// The end of a keyword's value starting at i, read as the client library does; npos for a
// quote left open.
std::size_t finDeValeur(std::string_view nom, std::size_t i) {
    const bool entreQuotes = i < nom.size() && nom[i] == '\'';
    for (std::size_t j = entreQuotes ? i + 1 : i; j < nom.size(); ++j) {
        if (nom[j] == '\\') {
            ++j;
        } else if (entreQuotes ? nom[j] == '\'' : espace(nom[j])) {
            return entreQuotes ? j + 1 : j;
        }
    }
    return entreQuotes ? std::string_view::npos : nom.size();
}

std::size_t trouverSansCasse(std::string_view texte, std::string_view mot, std::size_t depuis) {
    const auto trouve = std::search(
        texte.begin() + static_cast<std::ptrdiff_t>(depuis), texte.end(), mot.begin(), mot.end(),
        [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
    return trouve == texte.end() ? std::string_view::npos
                                 : static_cast<std::size_t>(trouve - texte.begin());
}

// Text from `i` on that cannot be read as keyword = value pairs: the library refuses such a
// name, and its parts are unknown. After a password's value it may be the rest of that
// password (password=a b, unquoted), before one the keyword's value: masked to the end.
void masquerIllisible(std::string_view nom, std::size_t i, std::vector<Plage>& plages) {
    if (!plages.empty()) {
        plages.back().fin = nom.size();
        return;
    }
    const std::size_t reste = trouverSansCasse(nom, MotCle, i);
    if (reste != std::string_view::npos) {
        plages.push_back({reste + MotCle.size(), nom.size()});
    }
}

// keyword = value pairs.
void plagesMotsCles(std::string_view nom, std::vector<Plage>& plages) {
    std::size_t i = sauterEspaces(nom, 0);
    while (i < nom.size()) {
        const std::size_t finMot = std::min(nom.find('=', i), nom.size());
        const std::string_view mot = nom.substr(i, finMot - i);
        const auto espaceDansMot =
            static_cast<std::size_t>(std::find_if(mot.begin(), mot.end(), espace) - mot.begin());
        if (finMot == nom.size() || sauterEspaces(mot, espaceDansMot) != mot.size()) {
            masquerIllisible(nom, i, plages);
            return;
        }
        const std::size_t valeur = sauterEspaces(nom, finMot + 1);
        const std::size_t fin = finDeValeur(nom, valeur);
        if (egauxSansCasse(mot.substr(0, espaceDansMot), MotCle)) {
            plages.push_back({valeur, fin == std::string_view::npos ? nom.size() : fin});
        }
        if (fin == std::string_view::npos) {
            return;
        }
        i = sauterEspaces(nom, fin);
    }
}

// Overlapping spans (a query parameter inside a user information) made one.
std::vector<Plage> fusionner(std::vector<Plage> plages) {
    std::sort(plages.begin(), plages.end(),
              [](const Plage& a, const Plage& b) { return a.debut < b.debut; });
    std::vector<Plage> fusionnees;
    for (const Plage& plage : plages) {
        if (!fusionnees.empty() && plage.debut <= fusionnees.back().fin) {
            fusionnees.back().fin = std::max(fusionnees.back().fin, plage.fin);
        } else {
            fusionnees.push_back(plage);
        }
    }
    return fusionnees;
}

void ajouterMorceaux(const std::string& texte, std::set<std::string>& secrets) {
    constexpr std::string_view Coupures = "@/?#:&=, \t";
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        const std::size_t fin = std::min(texte.find_first_of(Coupures, debut), texte.size());
        if (fin > debut) {
            const std::string morceau = texte.substr(debut, fin - debut);
            secrets.insert(morceau);
            secrets.insert(decoderPourcents(morceau));
        }
        debut = fin + 1;
    }
}

bool lettreOuChiffre(std::string_view texte, std::size_t i) {
    return i < texte.size() && std::isalnum(static_cast<unsigned char>(texte[i])) != 0;
}

}  // namespace

bool estUriServeur(std::string_view nom) {
    return nom.starts_with("postgresql://") || nom.starts_with("postgres://");
}

bool ressembleAUneUri(std::string_view nom) {
    const std::size_t deuxPoints = nom.find(':');
    if (deuxPoints == 0 || deuxPoints == std::string_view::npos) {
        return false;
    }
    const std::string_view schema = nom.substr(0, deuxPoints);
    const bool schemaValide = std::isalpha(static_cast<unsigned char>(schema.front())) != 0 &&
                              std::all_of(schema.begin(), schema.end(), [](char c) {
                                  return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
                                         c == '+' || c == '.' || c == '-';
                              });
    return schemaValide &&
           (nom.substr(deuxPoints + 1).starts_with('/') || egauxSansCasse(schema, "postgres") ||
            egauxSansCasse(schema, "postgresql"));
}

std::vector<Plage> plagesMotDePasse(std::string_view nom) {
    std::vector<Plage> plages;
    if (ressembleAUneUri(nom)) {
        plagesUri(nom, plages);
    } else {
        plagesMotsCles(nom, plages);
    }
    return fusionner(std::move(plages));
}

MasqueMotDePasse::MasqueMotDePasse(std::string_view nom) {
    std::set<std::string> secrets;
    for (const Plage& plage : plagesMotDePasse(nom)) {
        const std::string ecrit(nom.substr(plage.debut, plage.fin - plage.debut));
        const std::string lu = ressembleAUneUri(nom) ? decoderPourcents(ecrit) : valeurLue(ecrit);
        for (const std::string& forme : {ecrit, lu}) {
            secrets.insert(forme);
            ajouterMorceaux(forme, secrets);
        }
    }
    secrets.erase("");
    secrets_.assign(secrets.begin(), secrets.end());
    std::stable_sort(
        secrets_.begin(), secrets_.end(),
        [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
}

std::string MasqueMotDePasse::appliquer(std::string_view texte) const {
    constexpr std::size_t MotCourt = 4;
    std::string masque(texte);
    for (const std::string& secret : secrets_) {
        for (std::size_t i = masque.find(secret); i != std::string::npos;
             i = masque.find(secret, i)) {
            const bool seul = i == 0 || !lettreOuChiffre(masque, i - 1);
            if (secret.size() >= MotCourt ||
                (seul && !lettreOuChiffre(masque, i + secret.size()))) {
                masque.replace(i, secret.size(), MasqueAffiche);
                i += MasqueAffiche.size();
            } else {
                i += secret.size();
            }
        }
    }
    return masque;
}

}  // namespace mvdb
