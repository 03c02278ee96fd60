#include "TableauRelu.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace essai {

Rangees Lire_Csv(const std::string& fichier) {
    QFile entree(QString::fromStdString(fichier));
    EXPECT_TRUE(entree.open(QIODevice::ReadOnly)) << fichier;
    const std::string contenu = entree.readAll().toStdString();
    EXPECT_EQ(contenu.substr(0, 3), "\xEF\xBB\xBF");
    Rangees rangees(1);
    std::string champ;
    bool cite = false;
    for (std::size_t i = 3; i < contenu.size(); ++i) {
        const char c = contenu[i];
        if (cite) {
            if (c == '"' && i + 1 < contenu.size() && contenu[i + 1] == '"') {
                champ.push_back('"');
                ++i;
            } else if (c == '"') {
                cite = false;
            } else {
                champ.push_back(c);
            }
        } else if (c == '"') {
            cite = true;
        } else if (c == ';') {
            rangees.back().push_back(std::exchange(champ, {}));
        } else if (c == '\r') {
            EXPECT_EQ(contenu.at(i + 1), '\n');
            ++i;
            rangees.back().push_back(std::exchange(champ, {}));
            rangees.emplace_back();
        } else {
            champ.push_back(c);
        }
    }
    EXPECT_TRUE(rangees.back().empty() && champ.empty()) << "dernière ligne sans fin";
    rangees.pop_back();
    return rangees;
}

// An empty field is the date that could not be read: empty on the page too.
std::string Date_Csv_Sur_La_Page(const std::string& date) {
    if (date.empty()) {
        return date;
    }
    const QDate jour =
        QDate::fromString(QString::fromStdString(date), QStringLiteral("yyyy-MM-dd"));
    EXPECT_TRUE(jour.isValid()) << date;
    return jour.isValid() ? jour.toString(QStringLiteral("dd/MM/yyyy")).toStdString() : "";
}

std::string Xml_Xlsx(const std::string& fichier, const QString& partie) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), QString::fromStdString(fichier), partie});
    EXPECT_TRUE(unzip.waitForFinished(30000));
    EXPECT_EQ(unzip.exitCode(), 0) << fichier << " " << partie.toStdString();
    return unzip.readAllStandardOutput().toStdString();
}

std::string Xml_Feuille_Xlsx(const std::string& fichier, int feuille) {
    return Xml_Xlsx(fichier, QStringLiteral("xl/worksheets/sheet%1.xml").arg(feuille));
}

std::string En_Tete_Xlsx(const std::string& fichier, int feuille) {
    QXmlStreamReader lecteur(QByteArray::fromStdString(Xml_Feuille_Xlsx(fichier, feuille)));
    while (!lecteur.atEnd()) {
        if (lecteur.readNext() == QXmlStreamReader::StartElement &&
            lecteur.name() == QLatin1String("oddHeader")) {
            return lecteur.readElementText().toStdString();
        }
    }
    ADD_FAILURE() << "pas d'en-tête de page dans la feuille " << feuille << " de " << fichier;
    return "";
}

namespace {

// "C12" to column 2 (from 0).
int Colonne(const QString& reference) {
    int colonne = 0;
    for (const QChar c : reference) {
        if (!c.isLetter()) {
            break;
        }
        colonne = colonne * 26 + (c.unicode() - 'A' + 1);
    }
    return colonne - 1;
}

}  // namespace

// Dates are the only cells with a style of their own besides the bold titles: a number in a
// cell with a style and no type is read as a date when it is a whole day count.
Rangees Lire_Feuille_Xlsx(const std::string& fichier, int feuille) {
    const QByteArray xml = QByteArray::fromStdString(Xml_Feuille_Xlsx(fichier, feuille));
    QXmlStreamReader lecteur(xml);
    Rangees rangees;
    int colonne = 0;
    bool date = false;
    while (!lecteur.atEnd()) {
        lecteur.readNext();
        if (!lecteur.isStartElement()) {
            continue;
        }
        const auto nom = lecteur.name();
        if (nom == QLatin1String("row")) {
            const auto numero = lecteur.attributes().value("r").toInt();
            rangees.resize(static_cast<std::size_t>(numero));
        } else if (nom == QLatin1String("c")) {
            colonne = Colonne(lecteur.attributes().value("r").toString());
            date =
                !lecteur.attributes().hasAttribute("t") && lecteur.attributes().hasAttribute("s");
            rangees.back().resize(
                std::max(rangees.back().size(), static_cast<std::size_t>(colonne + 1)));
        } else if (nom == QLatin1String("t") || nom == QLatin1String("v")) {
            QString texte = lecteur.readElementText();
            if (nom == QLatin1String("v") && date) {
                texte = QDate(1899, 12, 30).addDays(texte.toLongLong()).toString("dd/MM/yyyy");
            }
            rangees.back()[static_cast<std::size_t>(colonne)] = texte.toStdString();
        }
    }
    EXPECT_FALSE(lecteur.hasError()) << lecteur.errorString().toStdString();
    return rangees;
}

}  // namespace essai
