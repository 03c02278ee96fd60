#include <charconv>

#include "Expression.h"
#include "Noeuds.h"
#include "Utf8.h"
#include "dba/Erreur.h"

namespace mvdb {

namespace {

struct JetonExpr {
    enum class Genre { Chaine, Entier, Nom, Signe, Fin };
    Genre genre = Genre::Fin;
    std::string texte;
    std::size_t octet = 0;
};

bool estLettreDeNom(char c) {
    const auto octet = static_cast<unsigned char>(c);
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '@' || octet >= 0x80;
}

bool estChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Reads an I-item definition into tokens and builds the expression by recursive descent:
//   expression := suffixee { ":" suffixee }
//   suffixee   := primaire { "[" entier "," entier "]" }
//   primaire   := @ID | @RECORD<entier> | "texte" | TRANS(...) | ( expression ) | item
class AnalyseurExpression {
  public:
    AnalyseurExpression(const std::string& item, std::string_view texte, Resolveur& resolveur)
        : item_(item),
          texte_(texte),
          resolveur_(resolveur),
          imbrication_(resolveur.itemsEnCours()) {
        avancer();
    }

    ExpressionCompilee analyser() {
        ExpressionCompilee expression = lireExpression();
        if (jeton_.genre != JetonExpr::Genre::Fin) {
            echouer("fin de l'expression attendue");
        }
        return expression;
    }

  private:
    [[noreturn]] void echouer(const std::string& attendu) const {
        const std::string trouve =
            jeton_.genre == JetonExpr::Genre::Fin ? "la fin" : "« " + jeton_.texte + " »";
        throw dba::Erreur(dba::ErrSyntaxe,
                          "Définition de l'item « " + item_ + " » incorrecte à la position " +
                              std::to_string(positionCaractere(texte_, jeton_.octet)) + " : " +
                              attendu + ", " + trouve + " trouvé.");
    }

    void avancer() {
        while (octet_ < texte_.size() && (texte_[octet_] == ' ' || texte_[octet_] == '\t')) {
            ++octet_;
        }
        jeton_ = JetonExpr{};
        jeton_.octet = octet_;
        if (octet_ >= texte_.size()) {
            return;
        }
        const char c = texte_[octet_];
        if (c == '"') {
            lireChaine();
        } else if (estChiffre(c)) {
            lireSuite(JetonExpr::Genre::Entier, estChiffre);
        } else if (estLettreDeNom(c)) {
            lireSuite(JetonExpr::Genre::Nom, estLettreDeNom);
        } else {
            jeton_.genre = JetonExpr::Genre::Signe;
            jeton_.texte = std::string(1, c);
            ++octet_;
        }
    }

    void lireChaine() {
        const std::size_t fin = texte_.find('"', octet_ + 1);
        if (fin == std::string_view::npos) {
            jeton_.genre = JetonExpr::Genre::Signe;
            jeton_.texte = "\"";
            echouer("guillemet fermant");
        }
        jeton_.genre = JetonExpr::Genre::Chaine;
        jeton_.texte = std::string(texte_.substr(octet_ + 1, fin - octet_ - 1));
        octet_ = fin + 1;
    }

    void lireSuite(JetonExpr::Genre genre, bool (*accepte)(char)) {
        const std::size_t debut = octet_;
        while (octet_ < texte_.size() && accepte(texte_[octet_])) {
            ++octet_;
        }
        jeton_.genre = genre;
        jeton_.texte = std::string(texte_.substr(debut, octet_ - debut));
    }

    bool estSigne(const char* signe) const {
        return jeton_.genre == JetonExpr::Genre::Signe && jeton_.texte == signe;
    }

    void exigerSigne(const char* signe) {
        if (!estSigne(signe)) {
            echouer(std::string("« ") + signe + " » attendu");
        }
        avancer();
    }

    int lireEntier() {
        if (jeton_.genre != JetonExpr::Genre::Entier) {
            echouer("nombre entier attendu");
        }
        int valeur = 0;
        const auto [fin, erreur] =
            std::from_chars(jeton_.texte.data(), jeton_.texte.data() + jeton_.texte.size(), valeur);
        if (erreur != std::errc{}) {
            echouer("nombre entier raisonnable attendu");
        }
        avancer();
        return valeur;
    }

    std::string lireChaineLitterale() {
        if (jeton_.genre != JetonExpr::Genre::Chaine) {
            echouer("texte entre guillemets attendu");
        }
        std::string texte = jeton_.texte;
        avancer();
        return texte;
    }

    // Parentheses and TRANS recurse: their nesting, with the items being compiled around
    // this one, is bounded like the depth of the expression.
    ExpressionCompilee lireExpression() {
        if (++imbrication_ > ProfondeurMaximale) {
            echouer("expression moins imbriquée (au plus " + std::to_string(ProfondeurMaximale) +
                    " niveaux)");
        }
        std::vector<ExpressionCompilee> termes;
        termes.push_back(lireSuffixee());
        while (estSigne(":")) {
            avancer();
            termes.push_back(lireSuffixee());
        }
        --imbrication_;
        if (termes.size() == 1) {
            return std::move(termes.front());
        }
        return borne(std::make_unique<ExprConcatenation>(std::move(termes)));
    }

    ExpressionCompilee borne(ExpressionCompilee expression) const {
        if (expression->profondeur() > ProfondeurMaximale) {
            echouer("expression moins profonde (au plus " + std::to_string(ProfondeurMaximale) +
                    " niveaux, items nommés compris)");
        }
        return expression;
    }

    ExpressionCompilee lireSuffixee() {
        ExpressionCompilee expression = lirePrimaire();
        while (estSigne("[")) {
            avancer();
            const int debut = lireEntier();
            exigerSigne(",");
            const int longueur = lireEntier();
            exigerSigne("]");
            expression =
                borne(std::make_unique<ExprSousChaine>(std::move(expression), debut, longueur));
        }
        return expression;
    }

    ExpressionCompilee lirePrimaire() {
        switch (jeton_.genre) {
            case JetonExpr::Genre::Chaine:
                return std::make_unique<ExprLitteral>(lireChaineLitterale());
            case JetonExpr::Genre::Nom:
                return lireNomme();
            case JetonExpr::Genre::Signe:
                if (estSigne("(")) {
                    avancer();
                    ExpressionCompilee interieure = lireExpression();
                    exigerSigne(")");
                    return interieure;
                }
                break;
            default:
                break;
        }
        echouer("@ID, @RECORD, TRANS, un texte entre guillemets ou un nom d'item attendu");
    }

    ExpressionCompilee lireNomme() {
        const std::string nom = jeton_.texte;
        if (nom == "@ID") {
            avancer();
            return std::make_unique<ExprCle>();
        }
        if (nom == "@RECORD") {
            avancer();
            exigerSigne("<");
            const int numero = lireEntier();
            exigerSigne(">");
            return std::make_unique<ExprAttribut>(numero);
        }
        if (nom == "TRANS") {
            avancer();
            return lireTraduction();
        }
        if (nom.starts_with("@")) {
            echouer("@ID ou @RECORD attendu");
        }
        avancer();
        return borne(std::make_unique<ExprItem>(resolveur_.item(nom)));
    }

    ExpressionCompilee lireTraduction() {
        exigerSigne("(");
        const IdFichier fichier = resolveur_.fichier(lireChaineLitterale());
        exigerSigne(",");
        ExpressionCompilee cle = lireExpression();
        exigerSigne(",");
        const int attribut = lireEntier();
        exigerSigne(",");
        if (jeton_.genre != JetonExpr::Genre::Chaine || jeton_.texte != "X") {
            echouer("code de traduction \"X\" attendu");
        }
        avancer();
        exigerSigne(")");
        return borne(std::make_unique<ExprTraduction>(fichier, std::move(cle), attribut));
    }

    const std::string& item_;
    std::string_view texte_;
    Resolveur& resolveur_;
    int imbrication_;
    std::size_t octet_ = 0;
    JetonExpr jeton_;
};

}  // namespace

ExpressionCompilee compilerExpression(const std::string& item, std::string_view definition,
                                      Resolveur& resolveur) {
    return AnalyseurExpression(item, definition, resolveur).analyser();
}

}  // namespace mvdb
