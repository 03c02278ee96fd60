#include "FichierDuGroupe.h"

namespace rapport {

namespace {

bool Garde(char caractere) {
    return (caractere >= 'a' && caractere <= 'z') || (caractere >= 'A' && caractere <= 'Z') ||
           (caractere >= '0' && caractere <= '9') || caractere == '-';
}

// Only ASCII letters, digits and hyphens as they are, every other byte as its escape: the name
// gives the code back byte for byte, and no file system that folds or normalises the other
// signs of a name (accents, ligatures, widths) can bring two codes to one file.
std::string Encoder(const std::string& groupe) {
    static constexpr char Chiffres[] = "0123456789ABCDEF";
    std::string nom;
    for (const char octet : groupe) {
        if (Garde(octet)) {
            nom.push_back(octet);
        } else {
            const auto valeur = static_cast<unsigned char>(octet);
            nom.append(1, '%').append(1, Chiffres[valeur >> 4]).append(1, Chiffres[valeur & 0xF]);
        }
    }
    return nom;
}

}  // namespace

std::string Code_Dans_Un_Nom(const std::string& groupe) {
    return groupe.empty() ? "_sans_groupe" : Encoder(groupe);
}

std::string Fichier_Du_Groupe(const std::string& fichier, const std::string& groupe) {
    const auto barre = fichier.rfind('/');
    const std::size_t debutNom = barre == std::string::npos ? 0 : barre + 1;
    const auto point = fichier.rfind('.');
    const bool extension = point != std::string::npos && point > debutNom;
    const std::size_t finRacine = extension ? point : fichier.size();
    return fichier.substr(0, finRacine) + "-" + Code_Dans_Un_Nom(groupe) +
           fichier.substr(finRacine);
}

}  // namespace rapport
