#include <optional>

#include "Phrase.h"
#include "Utf8.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

struct JetonPhrase {
    enum class Genre { Mot, Valeur, Fin };
    Genre genre = Genre::Fin;
    std::string texte;
    std::size_t position = 0;
};

bool estBlanc(char c) {
    return c == ' ' || c == '\t';
}

std::optional<Operateur> operateur(const std::string& texte) {
    if (texte == "=") {
        return Operateur::Egal;
    }
    if (texte == ">=") {
        return Operateur::SuperieurOuEgal;
    }
    if (texte == "<=") {
        return Operateur::InferieurOuEgal;
    }
    if (texte == "<>") {
        return Operateur::Different;
    }
    return std::nullopt;
}

// Words are runs of non-blank characters; a value runs from a double quote to the next one,
// whatever it holds, so no value can ever change the structure of the sentence.
class AnalyseurPhrase {
  public:
    explicit AnalyseurPhrase(std::string_view texte) : texte_(texte) { avancer(); }

    Phrase analyser() {
        Phrase phrase;
        exigerMotCle("SSELECT");
        phrase.fichier = lireFichier();
        while (jeton_.genre != JetonPhrase::Genre::Fin) {
            lireClause(phrase);
        }
        return phrase;
    }

  private:
    [[noreturn]] void echouer(const std::string& attendu) const {
        const std::string trouve = jeton_.genre == JetonPhrase::Genre::Fin
                                       ? "la fin de la phrase"
                                       : "« " + jeton_.texte + " »";
        echouerALaPosition(dba::ErrSyntaxe, jeton_.position, attendu + ", " + trouve + " trouvé.");
    }

    void avancer() {
        while (octet_ < texte_.size() && estBlanc(texte_[octet_])) {
            ++octet_;
        }
        jeton_ = JetonPhrase{};
        jeton_.position = position();
        if (octet_ >= texte_.size()) {
            return;
        }
        if (texte_[octet_] == '"') {
            lireValeur();
            return;
        }
        const std::size_t debut = octet_;
        while (octet_ < texte_.size() && !estBlanc(texte_[octet_]) && texte_[octet_] != '"') {
            ++octet_;
        }
        jeton_.genre = JetonPhrase::Genre::Mot;
        jeton_.texte = std::string(texte_.substr(debut, octet_ - debut));
    }

    void lireValeur() {
        const std::size_t fin = texte_.find('"', octet_ + 1);
        if (fin == std::string_view::npos) {
            echouerALaPosition(dba::ErrSyntaxe, jeton_.position,
                               "guillemet fermant attendu pour la valeur ouverte ici.");
        }
        jeton_.genre = JetonPhrase::Genre::Valeur;
        jeton_.texte = std::string(texte_.substr(octet_ + 1, fin - octet_ - 1));
        octet_ = fin + 1;
    }

    // The character position of the current byte, counted on from the last token's so that
    // a long sentence is read in linear time.
    std::size_t position() {
        positionCourante_ +=
            positionCaractere(texte_.substr(octetCompte_), octet_ - octetCompte_) - 1;
        octetCompte_ = octet_;
        return positionCourante_;
    }

    bool estMotCle(const char* mot) const {
        return jeton_.genre == JetonPhrase::Genre::Mot && jeton_.texte == mot;
    }

    void exigerMotCle(const char* mot) {
        if (!estMotCle(mot)) {
            echouer(std::string("« ") + mot + " » attendu");
        }
        avancer();
    }

    Nomme lireNom(const char* attendu) {
        if (jeton_.genre != JetonPhrase::Genre::Mot) {
            echouer(attendu);
        }
        Nomme nom{jeton_.texte, jeton_.position};
        avancer();
        return nom;
    }

    // The dictionary of a file F is the file "DICT F", named in two words.
    Nomme lireFichier() {
        Nomme fichier = lireNom("nom de fichier attendu");
        if (fichier.nom == "DICT" && jeton_.genre == JetonPhrase::Genre::Mot &&
            !estMotCle("AVEC") && !estMotCle("PAR")) {
            fichier.nom.append(" ").append(lireNom("nom de fichier attendu").nom);
        }
        return fichier;
    }

    void lireClause(Phrase& phrase) {
        const bool premiere = phrase.clauses.empty();
        if (estMotCle("PAR")) {
            avancer();
            phrase.tris.push_back(lireNom("attribut de tri attendu"));
        } else if (premiere && estMotCle("AVEC")) {
            avancer();
            phrase.clauses.push_back(lireCondition());
        } else if (!premiere && estMotCle("AND")) {
            avancer();
            exigerMotCle("AVEC");
            phrase.clauses.push_back(lireCondition());
        } else {
            echouer(premiere ? "« AVEC » ou « PAR » attendu" : "« AND AVEC » ou « PAR » attendu");
        }
    }

    ClausePhrase lireCondition() {
        ClausePhrase clause;
        clause.attribut = lireNom("attribut attendu");
        const auto op =
            jeton_.genre == JetonPhrase::Genre::Mot ? operateur(jeton_.texte) : std::nullopt;
        if (!op) {
            echouer("opérateur =, >=, <= ou <> attendu");
        }
        clause.operateur = *op;
        avancer();
        if (jeton_.genre != JetonPhrase::Genre::Valeur) {
            echouer("valeur entre guillemets attendue");
        }
        clause.valeur = jeton_.texte;
        if (clause.valeur.ends_with(']')) {
            clause.valeur.pop_back();
            clause.prefixe = true;
        }
        avancer();
        return clause;
    }

    std::string_view texte_;
    std::size_t octet_ = 0;
    std::size_t octetCompte_ = 0;
    std::size_t positionCourante_ = 1;
    JetonPhrase jeton_;
};

}  // namespace

void echouerALaPosition(std::uint32_t numero, std::size_t position, const std::string& texte) {
    throw dba::Erreur(numero, "Position " + std::to_string(position) + " de la phrase : " + texte);
}

Phrase analyserPhrase(std::string_view texte) {
    return AnalyseurPhrase(texte).analyser();
}

}  // namespace mvdb
