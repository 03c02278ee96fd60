#include "EcritureCsv.h"

#include <QSaveFile>

#include "dba/Erreur.h"

namespace rapport {

namespace {

std::string Champ(const std::string& texte) {
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
    std::string contenu = "\xEF\xBB\xBF" + Ligne_Csv(Colonnes_Tableau());
    for (const LigneTableau& ligne : tableau.Lignes()) {
        contenu += Ligne_Csv(Cellules(ligne));
    }
    QSaveFile sortie(QString::fromStdString(fichier));
    if (!sortie.open(QIODevice::WriteOnly) ||
        sortie.write(contenu.data(), static_cast<qint64>(contenu.size())) !=
            static_cast<qint64>(contenu.size()) ||
        !sortie.commit()) {
        throw dba::Erreur(dba::ErrImprimante, "Impossible d'écrire le fichier « " + fichier +
                                                  " » : " + sortie.errorString().toStdString());
    }
}

}  // namespace rapport
