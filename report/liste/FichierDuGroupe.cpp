#include "FichierDuGroupe.h"

#include <QList>
#include <QString>

namespace rapport {

namespace {

bool Ascii_Garde(char caractere) {
    return (caractere >= 'a' && caractere <= 'z') || (caractere >= 'A' && caractere <= 'Z') ||
           (caractere >= '0' && caractere <= '9') || caractere == '-';
}

void Ajouter_Echappe(std::string& nom, const QByteArray& octets) {
    static constexpr char Chiffres[] = "0123456789ABCDEF";
    for (const char octet : octets) {
        const auto valeur = static_cast<unsigned char>(octet);
        nom.append(1, '%').append(1, Chiffres[valeur >> 4]).append(1, Chiffres[valeur & 0xF]);
    }
}

// Each character its own UTF-8 bytes or their escapes: the name gives the code back, so two
// codes never meet in one name. A code that is not UTF-8 keeps only its ASCII letters.
std::string Encoder(const std::string& groupe) {
    const QByteArray octets = QByteArray::fromStdString(groupe);
    const QString texte = QString::fromUtf8(octets);
    const bool utf8 = texte.toUtf8() == octets;
    std::string nom;
    if (!utf8) {
        for (const char octet : groupe) {
            if (Ascii_Garde(octet)) {
                nom.push_back(octet);
            } else {
                Ajouter_Echappe(nom, QByteArray(1, octet));
            }
        }
        return nom;
    }
    for (const char32_t point : texte.toUcs4()) {
        const QByteArray caractere = QString::fromUcs4(&point, 1).toUtf8();
        if (QChar::isLetterOrNumber(point) || point == U'-') {
            nom.append(caractere.toStdString());
        } else {
            Ajouter_Echappe(nom, caractere);
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
