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

// The end date as "yyyy-mm-dd": spreadsheet programs of every language read that form as the
// same date, where 06/12/2026 is June in some and December in others. A date that could not be
// read stays an empty field.
std::vector<std::string> Champs(const LigneTableau& ligne) {
    std::vector<std::string> champs = Cellules(ligne);
    champs[ColonneFin] = ligne.fin.isValid()
                             ? ligne.fin.toString(QStringLiteral("yyyy-MM-dd")).toStdString()
                             : std::string();
    return champs;
}

class EcritureCsv : public EcritureTableau {
  public:
    explicit EcritureCsv(const std::string& fichier) : sortie_(fichier) {
        sortie_.Ecrire("\xEF\xBB\xBF" + Ligne_Csv(Colonnes_Tableau()));
    }

    void Ligne(const LigneTableau& ligne) override { sortie_.Ecrire(Ligne_Csv(Champs(ligne))); }

    void Terminer(const TableauListe& /*tableau*/, const Echeancier* /*echeancier*/) override {
        sortie_.Terminer();
    }

  private:
    outils::FichierEntier sortie_;
};

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

std::unique_ptr<EcritureTableau> Ecrire_Csv(const std::string& fichier) {
    return std::make_unique<EcritureCsv>(fichier);
}

}  // namespace rapport
