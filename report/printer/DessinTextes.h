#pragma once

#include <QFont>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRawFont>

#include <array>
#include <vector>

#include "Operation.h"

namespace imprimante {

// Draws the texts of a document. A list has thousands of lines in one fixed-pitch font: such a
// text needs no shaping, its glyphs stand one advance apart, so it is drawn as a run of the
// font's glyphs, without its spaces, which draw nothing (a PDF file then holds no glyph for
// them; its text still reads with its gaps). A text that could need shaping (a proportional
// font, a mark, a character the font lacks) or whose spaces show (underlined, struck out) is
// drawn as Qt lays it out. The fonts are looked up once per document.
class DessinTextes {
  public:
    void dessiner(QPainter& peintre, const Operation& texte);

    // The printable ASCII characters, whose glyphs each face looks up once.
    static constexpr char16_t PremierAscii = 0x20;
    static constexpr char16_t FinAscii = 0x7F;

  private:
    // The glyph of a printable ASCII character and its advance.
    struct GlypheAscii {
        quint32 indice = 0;
        QPointF avance;
    };
    struct Face {
        Police police;
        QFont font;
        QRawFont brute;
        int ascendante = 0;
        bool enGlyphes = false;
        // Looked up once for the face: nearly every character of a list is one of them.
        std::array<GlypheAscii, FinAscii - PremierAscii> ascii{};
    };

    const Face& face(QPainter& peintre, const Police& police);
    // The glyphs and their positions from the start of the line; false when the text must be
    // laid out by Qt.
    bool placerGlyphes(const Face& face, const QString& texte);
    // The glyph indexes and advances of the text's characters; false when the font lacks one.
    bool glyphesDe(const Face& face, const QString& texte);

    std::vector<Face> faces_;
    QList<quint32> indices_;
    QList<QPointF> avances_;
    QList<quint32> glyphes_;
    QList<QPointF> positions_;
};

}  // namespace imprimante
