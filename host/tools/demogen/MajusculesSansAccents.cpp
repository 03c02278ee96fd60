#include "MajusculesSansAccents.h"

#include <QString>

namespace demogen {

namespace {

// Letters that canonical decomposition leaves whole.
QString sansLigatures(QString texte) {
    return texte.replace(QChar(0x0152), QStringLiteral("OE"))
        .replace(QChar(0x0153), QStringLiteral("oe"))
        .replace(QChar(0x00C6), QStringLiteral("AE"))
        .replace(QChar(0x00E6), QStringLiteral("ae"))
        .replace(QChar(0x2019), QStringLiteral("'"));
}

QString sansDiacritiques(const QString& texte) {
    const QString decompose = texte.normalized(QString::NormalizationForm_D);
    QString resultat;
    resultat.reserve(decompose.size());
    for (const QChar c : decompose) {
        if (c.category() != QChar::Mark_NonSpacing) {
            resultat.append(c);
        }
    }
    return resultat;
}

}  // namespace

std::string majusculesSansAccents(std::string_view texteUtf8) {
    const QString texte =
        QString::fromUtf8(texteUtf8.data(), static_cast<qsizetype>(texteUtf8.size()));
    return sansDiacritiques(sansLigatures(texte)).toUpper().toStdString();
}

}  // namespace demogen
