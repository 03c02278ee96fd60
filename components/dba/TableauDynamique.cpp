#include "TableauDynamique.h"

namespace dba {

std::vector<std::string_view> decouper(std::string_view texte, char marque) {
    std::vector<std::string_view> parties;
    if (texte.empty()) {
        return parties;
    }
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find(marque, debut);
        parties.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string_view::npos) {
            return parties;
        }
        debut = fin + 1;
    }
}

std::string joindre(const std::vector<std::string>& parties, char marque) {
    std::string texte;
    for (std::size_t i = 0; i < parties.size(); ++i) {
        if (i > 0) {
            texte += marque;
        }
        texte += parties[i];
    }
    return texte;
}

std::string_view partie(std::string_view texte, char marque, int n) {
    if (n < 1) {
        return {};
    }
    std::size_t debut = 0;
    for (int i = 1; i < n; ++i) {
        const std::size_t fin = texte.find(marque, debut);
        if (fin == std::string_view::npos) {
            return {};
        }
        debut = fin + 1;
    }
    const std::size_t fin = texte.find(marque, debut);
    return texte.substr(debut,
                        fin == std::string_view::npos ? std::string_view::npos : fin - debut);
}

TableauDynamique::TableauDynamique(std::string_view texte) {
    assigner(texte);
}

TableauDynamique::TableauDynamique(std::vector<std::string> elements)
    : elements_(std::move(elements)) {}

std::string TableauDynamique::operator()(int element) const {
    if (element < 1 || element > DCount()) {
        return {};
    }
    return elements_[static_cast<std::size_t>(element - 1)];
}

std::string TableauDynamique::operator()(int element, int valeur) const {
    if (element < 1 || element > DCount()) {
        return {};
    }
    return std::string(
        partie(elements_[static_cast<std::size_t>(element - 1)], MarqueValeur, valeur));
}

std::string TableauDynamique::operator()(int element, int valeur, int sousValeur) const {
    return std::string(partie((*this)(element, valeur), MarqueSousValeur, sousValeur));
}

std::string TableauDynamique::texte() const {
    return joindre(elements_, MarqueAttribut);
}

// The elements already there take their new values in place: an array read again and again
// (a record slot) keeps its memory.
void TableauDynamique::assigner(std::string_view texte) {
    std::size_t rang = 0;
    if (!texte.empty()) {
        std::size_t debut = 0;
        for (;;) {
            const std::size_t fin = texte.find(MarqueAttribut, debut);
            const std::string_view element = texte.substr(debut, fin - debut);
            if (rang < elements_.size()) {
                elements_[rang].assign(element);
            } else {
                elements_.emplace_back(element);
            }
            ++rang;
            if (fin == std::string_view::npos) {
                break;
            }
            debut = fin + 1;
        }
    }
    elements_.resize(rang);
}

void TableauDynamique::definir(int element, std::string valeur) {
    if (element < 1) {
        return;
    }
    if (element > DCount()) {
        elements_.resize(static_cast<std::size_t>(element));
    }
    elements_[static_cast<std::size_t>(element - 1)] = std::move(valeur);
}

int TableauDynamique::DCount(int element) const {
    if (element < 1 || element > DCount()) {
        return 0;
    }
    return static_cast<int>(
        decouper(elements_[static_cast<std::size_t>(element - 1)], MarqueValeur).size());
}

}  // namespace dba
