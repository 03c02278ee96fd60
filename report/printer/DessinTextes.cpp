#include "DessinTextes.h"

#include <QFontInfo>
#include <QGlyphRun>

#include <algorithm>

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

// A character drawn by its own glyph alone: no pair, no mark joining the one before, no control.
bool sansMiseEnForme(QChar caractere) {
    const char16_t code = caractere.unicode();
    if (code >= 0x20 && code < 0x7F) {
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
    return face;
}

bool DessinTextes::placerGlyphes(const Face& face, const QString& texte) {
    glyphes_.clear();
    positions_.clear();
    if (!std::all_of(texte.begin(), texte.end(), sansMiseEnForme)) {
        return false;
    }
    const QList<quint32> indices = face.brute.glyphIndexesForString(texte);
    if (indices.size() != texte.size()) {
        return false;
    }
    const QList<QPointF> avances =
        face.brute.advancesForGlyphIndexes(indices, QRawFont::UseDesignMetrics);
    QPointF position;
    for (qsizetype rang = 0; rang < indices.size(); ++rang) {
        if (indices[rang] == 0) {
            return false;
        }
        if (texte[rang] != QLatin1Char(' ')) {
            glyphes_.append(indices[rang]);
            positions_.append(position);
        }
        position += avances[rang];
    }
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
