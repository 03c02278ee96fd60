#include <nlohmann/json.hpp>
#include <stdexcept>

#include "Interchange.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

using Json = nlohmann::ordered_json;

bool estMarque(char c) {
    return c == dba::MarqueAttribut || c == dba::MarqueValeur || c == dba::MarqueSousValeur;
}

bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

bool continueNombre(char c) {
    return estChiffre(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// A JSON value as the line writes it: a number keeps its decimal text, byte for byte.
struct ValeurLue {
    enum class Genre { Texte, Nombre, Liste, Objet, Autre };
    Genre genre = Genre::Autre;
    std::string texte;
    std::vector<ValeurLue> elements;
    // An object's members: names and values, side by side.
    std::vector<std::string> noms;
    std::vector<ValeurLue> membres;
};

// The texts of the numbers of a line, in order. The parser hands over integers as values
// only ("-0" would come back as "0", a long integer rounded), so their text is taken here;
// strings are skipped, escapes included.
std::vector<std::string> textesDesNombres(std::string_view ligne) {
    std::vector<std::string> nombres;
    std::size_t i = 0;
    while (i < ligne.size()) {
        if (ligne[i] == '"') {
            for (++i; i < ligne.size() && ligne[i] != '"'; ++i) {
                i += ligne[i] == '\\' ? 1 : 0;
            }
            ++i;
        } else if (ligne[i] == '-' || estChiffre(ligne[i])) {
            const std::size_t debut = i;
            while (i < ligne.size() && continueNombre(ligne[i])) {
                ++i;
            }
            nombres.emplace_back(ligne.substr(debut, i - debut));
        } else {
            ++i;
        }
    }
    return nombres;
}

// Builds the ValeurLue of one line from the parser's events. A line is an object of lists of
// lists of lists; one level more still gets its precise message, deeper nesting is refused
// before it can cost anything.
class LecteurLigne : public nlohmann::json_sax<Json> {
  public:
    explicit LecteurLigne(std::vector<std::string> nombres) : nombres_(std::move(nombres)) {}

    ValeurLue racine() { return std::move(racine_); }

    bool null() override { return ajouter({}); }
    bool boolean(bool) override { return ajouter({}); }
    bool number_integer(number_integer_t) override { return nombre(); }
    bool number_unsigned(number_unsigned_t) override { return nombre(); }
    bool number_float(number_float_t, const string_t&) override { return nombre(); }
    bool string(string_t& texte) override {
        ValeurLue valeur;
        valeur.genre = ValeurLue::Genre::Texte;
        valeur.texte = std::move(texte);
        return ajouter(std::move(valeur));
    }
    bool binary(binary_t&) override { return ajouter({}); }
    bool start_object(std::size_t) override { return ouvrir(ValeurLue::Genre::Objet); }
    // Only the three fields of a line are known, so an object never holds more than three
    // members and the search for a repeated one stays short.
    bool key(string_t& nom) override {
        if (nom != "file" && nom != "id" && nom != "record") {
            throw std::invalid_argument("champ « " + nom + " » inconnu");
        }
        for (const std::string& existant : pile_.back()->noms) {
            if (existant == nom) {
                throw std::invalid_argument("champ « " + nom + " » en double");
            }
        }
        pile_.back()->noms.push_back(std::move(nom));
        pile_.back()->membres.emplace_back();
        return true;
    }
    bool end_object() override { return fermer(); }
    bool start_array(std::size_t) override { return ouvrir(ValeurLue::Genre::Liste); }
    bool end_array() override { return fermer(); }
    bool parse_error(std::size_t octet, const std::string& jeton,
                     const nlohmann::detail::exception& erreur) override {
        // 406: a number beyond the range of a double, which the parser refuses to read.
        if (erreur.id == 406) {
            throw std::invalid_argument("nombre hors limites à l'octet " + std::to_string(octet) +
                                        " : « " + jeton + " »");
        }
        throw std::invalid_argument("JSON invalide à l'octet " + std::to_string(octet));
    }

  private:
    static constexpr std::size_t NiveauxMaximum = 5;

    bool nombre() {
        if (prochainNombre_ >= nombres_.size()) {
            throw std::invalid_argument("JSON invalide : nombre mal formé");
        }
        ValeurLue valeur;
        valeur.genre = ValeurLue::Genre::Nombre;
        valeur.texte = nombres_[prochainNombre_++];
        return ajouter(std::move(valeur));
    }

    // The place of the next value: the root, the next element of a list or the value of the
    // last key of an object.
    ValeurLue& place() {
        if (pile_.empty()) {
            return racine_;
        }
        ValeurLue& parent = *pile_.back();
        if (parent.genre == ValeurLue::Genre::Liste) {
            return parent.elements.emplace_back();
        }
        return parent.membres.back();
    }

    bool ajouter(ValeurLue valeur) {
        place() = std::move(valeur);
        return true;
    }

    bool ouvrir(ValeurLue::Genre genre) {
        if (pile_.size() >= NiveauxMaximum) {
            throw std::invalid_argument("trop de niveaux de listes imbriquées");
        }
        ValeurLue& valeur = place();
        valeur.genre = genre;
        pile_.push_back(&valeur);
        return true;
    }

    bool fermer() {
        pile_.pop_back();
        return true;
    }

    std::vector<std::string> nombres_;
    std::size_t prochainNombre_ = 0;
    ValeurLue racine_;
    std::vector<ValeurLue*> pile_;
};

std::string scalaire(const ValeurLue& valeur, const std::string& ou) {
    if (valeur.genre == ValeurLue::Genre::Texte || valeur.genre == ValeurLue::Genre::Nombre) {
        return valeur.texte;
    }
    throw std::invalid_argument(ou + " : texte ou nombre attendu");
}

std::string valeurDe(const ValeurLue& valeur, const std::string& ou) {
    if (valeur.genre != ValeurLue::Genre::Liste) {
        return scalaire(valeur, ou);
    }
    std::vector<std::string> sousValeurs;
    for (const ValeurLue& sousValeur : valeur.elements) {
        sousValeurs.push_back(
            scalaire(sousValeur, ou + ", sous-valeur " + std::to_string(sousValeurs.size() + 1)));
    }
    return dba::joindre(sousValeurs, dba::MarqueSousValeur);
}

std::string attributDe(const ValeurLue& attribut, int numero) {
    const std::string ou = "attribut " + std::to_string(numero);
    if (attribut.genre != ValeurLue::Genre::Liste) {
        return scalaire(attribut, ou);
    }
    std::vector<std::string> valeurs;
    for (const ValeurLue& valeur : attribut.elements) {
        valeurs.push_back(valeurDe(valeur, ou + ", valeur " + std::to_string(valeurs.size() + 1)));
    }
    return dba::joindre(valeurs, dba::MarqueValeur);
}

std::string donneesDe(const ValeurLue& enregistrement) {
    if (enregistrement.genre != ValeurLue::Genre::Liste) {
        throw std::invalid_argument("le champ « record » doit être une liste");
    }
    std::vector<std::string> attributs;
    for (const ValeurLue& attribut : enregistrement.elements) {
        attributs.push_back(attributDe(attribut, static_cast<int>(attributs.size() + 1)));
    }
    while (!attributs.empty() && attributs.back().empty()) {
        attributs.pop_back();
    }
    return dba::joindre(attributs, dba::MarqueAttribut);
}

const ValeurLue* membre(const ValeurLue& objet, std::string_view champ) {
    for (std::size_t i = 0; i < objet.noms.size(); ++i) {
        if (objet.noms[i] == champ) {
            return &objet.membres[i];
        }
    }
    return nullptr;
}

std::string texteObligatoire(const ValeurLue& objet, const char* champ, const char* siVide) {
    const ValeurLue* valeur = membre(objet, champ);
    if (valeur == nullptr) {
        throw std::invalid_argument(std::string("champ « ") + champ + " » manquant");
    }
    if (valeur->genre != ValeurLue::Genre::Texte) {
        throw std::invalid_argument(std::string("le champ « ") + champ + " » doit être un texte");
    }
    if (valeur->texte.empty()) {
        throw std::invalid_argument(siVide);
    }
    return valeur->texte;
}

ValeurLue analyser(std::string_view ligne) {
    for (std::size_t octet = 0; octet < ligne.size(); ++octet) {
        if (estMarque(ligne[octet])) {
            throw std::invalid_argument(
                "marque de tableau dynamique (octet 0xFC, 0xFD ou 0xFE) dans un texte");
        }
        // The parser would take a NUL byte for the end of the line and drop the rest.
        if (ligne[octet] == '\0') {
            throw std::invalid_argument("octet nul à l'octet " + std::to_string(octet + 1));
        }
    }
    LecteurLigne lecteur(textesDesNombres(ligne));
    Json::sax_parse(ligne, &lecteur);
    return lecteur.racine();
}

LigneEchange convertir(const ValeurLue& objet) {
    if (objet.genre != ValeurLue::Genre::Objet) {
        throw std::invalid_argument("objet JSON attendu");
    }
    LigneEchange ligne;
    ligne.fichier = texteObligatoire(objet, "file", "nom de fichier vide");
    ligne.cle = texteObligatoire(objet, "id", "clé vide");
    const ValeurLue* enregistrement = membre(objet, "record");
    if (enregistrement == nullptr) {
        throw std::invalid_argument("champ « record » manquant");
    }
    ligne.donnees = donneesDe(*enregistrement);
    return ligne;
}

Json valeurVersJson(std::string_view valeur) {
    if (valeur.find(dba::MarqueSousValeur) == std::string_view::npos) {
        return std::string(valeur);
    }
    Json sousValeurs = Json::array();
    for (const std::string_view sousValeur : dba::decouper(valeur, dba::MarqueSousValeur)) {
        sousValeurs.push_back(std::string(sousValeur));
    }
    return sousValeurs;
}

Json attributVersJson(std::string_view attribut) {
    if (attribut.find_first_of(std::string{dba::MarqueValeur, dba::MarqueSousValeur}) ==
        std::string_view::npos) {
        return std::string(attribut);
    }
    Json valeurs = Json::array();
    for (const std::string_view valeur : dba::decouper(attribut, dba::MarqueValeur)) {
        valeurs.push_back(valeurVersJson(valeur));
    }
    return valeurs;
}

}  // namespace

LigneEchange lireLigneEchange(std::string_view ligne) {
    return convertir(analyser(ligne));
}

std::string ecrireLigneEchange(const std::string& fichier, std::string_view cle,
                               std::string_view donnees) {
    Json enregistrement = Json::array();
    for (const std::string_view attribut : dba::decouper(donnees, dba::MarqueAttribut)) {
        enregistrement.push_back(attributVersJson(attribut));
    }
    Json ligne;
    ligne["file"] = fichier;
    ligne["id"] = std::string(cle);
    ligne["record"] = std::move(enregistrement);
    try {
        return ligne.dump();
    } catch (const Json::type_error&) {
        throw std::invalid_argument("un texte n'est pas de l'UTF-8 valide");
    }
}

}  // namespace mvdb
