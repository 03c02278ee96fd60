#include "Dictionnaire.h"

#include <algorithm>
#include <charconv>

#include "dba/Erreur.h"
#include "dba/TableauDynamique.h"

namespace mvdb {

namespace {

constexpr int AttributType = 1;
constexpr int AttributDefinition = 2;
constexpr int AttributJustification = 5;

std::optional<int> lireNumero(std::string_view texte) {
    int numero = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), numero);
    if (texte.empty() || erreur != std::errc{} || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return numero;
}

[[noreturn]] void definitionIncorrecte(const std::string& nom, const std::string& raison) {
    throw dba::Erreur(dba::ErrSyntaxe,
                      "Définition de l'item « " + nom + " » incorrecte : " + raison + ".");
}

}  // namespace

bool estNumeroAttribut(std::string_view nom) {
    return lireNumero(nom).has_value() && nom.front() != '-' && nom.front() != '+';
}

Dictionnaire::Dictionnaire(const Depot& depot, const std::string& fichier)
    : depot_(depot),
      fichier_(fichier),
      dictionnaire_(depot.chercherFichier(nomDictionnaire(fichier))) {}

std::shared_ptr<const Attribut> Dictionnaire::attribut(const std::string& nom) {
    if (estNumeroAttribut(nom)) {
        return std::make_shared<const Attribut>(nom, *lireNumero(nom), false);
    }
    return item(nom);
}

void Dictionnaire::annoncer(const std::vector<std::string>& noms) {
    if (!dictionnaire_) {
        return;
    }
    std::vector<std::string> aLire;
    for (const std::string& nom : noms) {
        if (!estNumeroAttribut(nom) && !compiles_.contains(nom) && !definitions_.contains(nom)) {
            aLire.push_back(nom);
        }
    }
    std::sort(aLire.begin(), aLire.end());
    aLire.erase(std::unique(aLire.begin(), aLire.end()), aLire.end());
    if (aLire.empty()) {
        return;
    }
    auto lues = depot_.lireGroupe(*dictionnaire_, aLire);
    for (std::size_t rang = 0; rang < aLire.size(); ++rang) {
        definitions_.emplace(aLire[rang], std::move(lues[rang]));
    }
}

std::shared_ptr<const Attribut> Dictionnaire::item(const std::string& nom) {
    if (const auto trouve = compiles_.find(nom); trouve != compiles_.end()) {
        return trouve->second;
    }
    const auto annoncee = definitions_.find(nom);
    const std::optional<std::string> definition = annoncee != definitions_.end() ? annoncee->second
                                                  : dictionnaire_ ? depot_.lire(*dictionnaire_, nom)
                                                                  : std::nullopt;
    if (!definition) {
        throw dba::Erreur(
            dba::ErrItemInconnu,
            "L'item « " + nom + " » n'existe pas dans le dictionnaire de " + fichier_ + ".");
    }
    if (!enCours_.insert(nom).second) {
        definitionIncorrecte(nom, "elle se réfère à elle-même");
    }
    if (itemsEnCours() > ProfondeurMaximale) {
        definitionIncorrecte(nom, "trop d'items se nomment l'un l'autre (au plus " +
                                      std::to_string(ProfondeurMaximale) + ")");
    }
    auto compile = compiler(nom, *definition);
    enCours_.erase(nom);
    compiles_.emplace(nom, compile);
    return compile;
}

IdFichier Dictionnaire::fichier(const std::string& nom) {
    return depot_.fichier(nom);
}

std::shared_ptr<const Attribut> Dictionnaire::compiler(const std::string& nom,
                                                       std::string_view definition) {
    const std::string_view type = dba::partie(definition, dba::MarqueAttribut, AttributType);
    const std::string_view corps = dba::partie(definition, dba::MarqueAttribut, AttributDefinition);
    const bool aDroite =
        dba::partie(definition, dba::MarqueAttribut, AttributJustification).starts_with("R");
    if (type == "D") {
        const std::optional<int> numero = lireNumero(corps);
        if (!numero || *numero < 0) {
            definitionIncorrecte(
                nom, "numéro d'attribut attendu au lieu de « " + std::string(corps) + " »");
        }
        return std::make_shared<const Attribut>(nom, *numero, aDroite);
    }
    if (type == "I") {
        return std::make_shared<const Attribut>(nom, compilerExpression(nom, corps, *this),
                                                aDroite);
    }
    definitionIncorrecte(nom, "type « " + std::string(type) + " » inconnu (D ou I attendu)");
}

}  // namespace mvdb
