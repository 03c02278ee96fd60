#include "EcritureCsv.h"

#include <string_view>

#include "outils/FichierEntier.h"

namespace rapport {

namespace {

// A spreadsheet program takes a cell that begins with one of these for a formula, and would run
// a name or a commune typed that way: such a cell is written after an apostrophe, which the
// program shows as text.
bool Pris_Pour_Formule(const std::string& texte) {
    return !texte.empty() && std::string_view("=+-@\t\r").find(texte.front()) != std::string::npos;
}

std::string Champ(const std::string& cellule) {
    const std::string texte = Pris_Pour_Formule(cellule) ? "'" + cellule : cellule;
    if (texte.find_first_of(";\"\r\n") == std::string::npos) {
        return texte;
    }
    std::string champ = "\"";
    for (const char c : texte) {
        champ.push_back(c);
        if (c == '"') {
            champ.push_back('"');
        }
    }
    champ.push_back('"');
    return champ;
}

}  // namespace

std::string Ligne_Csv(const std::vector<std::string>& champs) {
    std::string ligne;
    for (std::size_t i = 0; i < champs.size(); ++i) {
        if (i > 0) {
            ligne.push_back(';');
        }
        ligne += Champ(champs[i]);
    }
    return ligne + "\r\n";
}

void Ecrire_Csv(const TableauListe& tableau, const std::string& fichier) {
    outils::FichierEntier sortie(fichier);
    sortie.Ecrire("\xEF\xBB\xBF" + Ligne_Csv(Colonnes_Tableau()));
    for (const LigneTableau& ligne : tableau.Lignes()) {
        sortie.Ecrire(Ligne_Csv(Cellules(ligne)));
    }
    sortie.Terminer();
}

}  // namespace rapport
