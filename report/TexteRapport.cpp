#include "TexteRapport.h"

#include <algorithm>
#include <charconv>

#include "dba/Erreur.h"
#include "mvdb/Nombre.h"
#include "mvdb/Utf8.h"
#include "outils/JourInterne.h"
#include "outils/Outils.h"
#include "printer/Metrique.h"

namespace ardoine {

std::string Debut(std::string_view texte, int nombre) {
    return mvdb::sousChaine(texte, 1, nombre);
}

std::string Colonne_Ajustee(std::string_view texte, int garde, int largeur) {
    std::string colonne = Debut(texte, garde);
    colonne.append(static_cast<std::size_t>(largeur - imprimante::nombreCaracteres(colonne)), ' ');
    return colonne;
}

std::string Numero_Accord(int numero) {
    std::string texte = std::to_string(numero);
    return std::string(3 - texte.size(), '0') + texte;
}

std::vector<std::string> Cles_Accords(const std::string& aide, int premier, int dernier) {
    std::vector<std::string> cles;
    for (int numero = premier; numero <= dernier; ++numero) {
        cles.push_back(aide + Numero_Accord(numero));
    }
    return cles;
}

int Numero_Suivant(std::string_view cle) {
    if (cle.size() != LongueurCodeAide + 3) {
        return 1;
    }
    int numero = 0;
    for (const char chiffre : cle.substr(LongueurCodeAide)) {
        if (chiffre < '0' || chiffre > '9') {
            return 1;
        }
        numero = numero * 10 + (chiffre - '0');
    }
    return std::min(numero + 1, DernierNumeroAccord);
}

std::optional<std::int64_t> Partie_Entiere(std::string_view texte) {
    if (!mvdb::estNombre(texte)) {
        return std::nullopt;
    }
    if (texte.front() == '+') {
        texte.remove_prefix(1);
    }
    std::int64_t entier = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), entier);
    if (erreur != std::errc()) {
        return std::nullopt;
    }
    return entier;
}

std::string Date_Fin_Imprimable(const std::string& jour) {
    try {
        return outils::Outils::Partage().DateExterne(jour);
    } catch (const dba::Erreur& erreur) {
        if (erreur.numero() != dba::ErrArgument) {
            throw;
        }
        return {};
    }
}

QDate Date_Fin(const std::string& jour) {
    return outils::dateDuTexte(jour);
}

}  // namespace ardoine
