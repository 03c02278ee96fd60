#include "DessinTextes.h"

#include <QFontInfo>
#include <QGlyphRun>

#include <algorithm>
#include <utility>

namespace imprimante {

namespace {

// "Courier New" is not on every system; Liberation Mono has the same metrics.
QString familleQt(const std::string& nom) {
    return nom == "Courier New" ? QStringLiteral("Liberation Mono") : QString::fromStdString(nom);
}

// The painter works in twips, so the font is sized in twips too: 20 to the point.
QFont policeQt(const Police& police) {
    QFont font(familleQt(police.nom));
    font.setPixelSize(qRound(police.taille * 20.0));
    font.setBold(police.gras);
    font.setItalic(police.italique);
    font.setUnderline(police.souligne);
    font.setStrikeOut(police.barre);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool ascii(QChar caractere) {
    const char16_t code = caractere.unicode();
    return code >= DessinTextes::PremierAscii && code < DessinTextes::FinAscii;
}

// A character drawn by its own glyph alone: no pair, no mark joining the one before, no control.
bool sansMiseEnForme(QChar caractere) {
    if (ascii(caractere)) {
        return true;
    }
    return !caractere.isSurrogate() && !caractere.isMark() &&
           caractere.category() != QChar::Other_Control;
}

bool sansEspacesVisibles(const Police& police) {
    return !police.souligne && !police.barre;
}

}  // namespace

const DessinTextes::Face& DessinTextes::face(QPainter& peintre, const Police& police) {
    const auto trouvee = std::find_if(faces_.begin(), faces_.end(), [&police](const Face& face) {
        return face.police == police;
    });
    if (trouvee != faces_.end()) {
        return *trouvee;
    }
    Face& face = faces_.emplace_back();
    face.police = police;
    face.font = policeQt(police);
    peintre.setFont(face.font);
    face.ascendante = peintre.fontMetrics().ascent();
    face.brute = QRawFont::fromFont(face.font);
    face.enGlyphes =
        face.brute.isValid() && QFontInfo(face.font).fixedPitch() && sansEspacesVisibles(police);
    if (face.enGlyphes) {
        QString caracteres;
        for (char16_t code = PremierAscii; code < FinAscii; ++code) {
            caracteres.append(QChar(code));
        }
        const QList<quint32> indices = face.brute.glyphIndexesForString(caracteres);
        const QList<QPointF> avances =
            face.brute.advancesForGlyphIndexes(indices, QRawFont::UseDesignMetrics);
        face.enGlyphes = indices.size() == caracteres.size();
        for (qsizetype rang = 0; face.enGlyphes && rang < indices.size(); ++rang) {
            face.ascii[static_cast<std::size_t>(rang)] = {indices[rang], avances[rang]};
        }
    }
    return face;
}

bool DessinTextes::glyphesDe(const Face& face, const QString& texte) {
    if (!std::all_of(texte.begin(), texte.end(), ascii)) {
        indices_ = face.brute.glyphIndexesForString(texte);
        if (indices_.size() != texte.size()) {
            return false;
        }
        avances_ = face.brute.advancesForGlyphIndexes(indices_, QRawFont::UseDesignMetrics);
        return true;
    }
    indices_.resize(texte.size());
    avances_.resize(texte.size());
    quint32* indice = indices_.data();
    QPointF* avance = avances_.data();
    for (const QChar caractere : texte) {
        const GlypheAscii& glyphe = face.ascii[caractere.unicode() - PremierAscii];
        *indice++ = glyphe.indice;
        *avance++ = glyphe.avance;
    }
    return true;
}

// Tens of thousands of texts go through here: the lists are filled in place, without a check
// of their sharing at every character.
bool DessinTextes::placerGlyphes(const Face& face, const QString& texte) {
    if (!std::all_of(texte.begin(), texte.end(), sansMiseEnForme) || !glyphesDe(face, texte)) {
        return false;
    }
    glyphes_.resize(texte.size());
    positions_.resize(texte.size());
    quint32* glyphe = glyphes_.data();
    QPointF* place = positions_.data();
    const quint32* indice = std::as_const(indices_).data();
    const QPointF* avance = std::as_const(avances_).data();
    qsizetype places = 0;
    QPointF position;
    for (qsizetype rang = 0; rang < texte.size(); ++rang) {
        if (indice[rang] == 0) {
            return false;
        }
        if (texte[rang] != QLatin1Char(' ')) {
            glyphe[places] = indice[rang];
            place[places] = position;
            ++places;
        }
        position += avance[rang];
    }
    glyphes_.resize(places);
    positions_.resize(places);
    return true;
}

// The print position is the top of the line; Qt places text on its baseline.
void DessinTextes::dessiner(QPainter& peintre, const Operation& texte) {
    const Face& police = face(peintre, texte.police);
    const QString chaine = QString::fromStdString(texte.texte);
    const QPointF ligneDeBase(texte.x, texte.y + police.ascendante);
    if (police.enGlyphes && placerGlyphes(police, chaine)) {
        if (glyphes_.isEmpty()) {
            return;
        }
        QGlyphRun glyphes;
        glyphes.setRawFont(police.brute);
        glyphes.setGlyphIndexes(glyphes_);
        glyphes.setPositions(positions_);
        peintre.drawGlyphRun(ligneDeBase, glyphes);
        return;
    }
    peintre.setFont(police.font);
    peintre.drawText(ligneDeBase, chaine);
}

}  // namespace imprimante
