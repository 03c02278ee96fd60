#include "DessinDocument.h"

#include <QFont>
#include <QPen>
#include <algorithm>

#include "dba/Erreur.h"

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

// The print position is the top of the line; Qt places text on its baseline.
void dessinerTexte(QPainter& peintre, const Operation& texte) {
    peintre.setFont(policeQt(texte.police));
    const auto ligneDeBase = texte.y + peintre.fontMetrics().ascent();
    peintre.drawText(QPointF(texte.x, ligneDeBase), QString::fromStdString(texte.texte));
}

void dessinerTrait(QPainter& peintre, const Operation& trait) {
    peintre.setPen(QPen(Qt::black, epaisseurTrait(trait.largeur), Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    peintre.drawLine(QPointF(trait.x, trait.y), QPointF(trait.x2, trait.y2));
}

QString nomDuPeripherique(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

}  // namespace

void dessinerPage(QPainter& peintre, const Document& document, int page) {
    const auto* peripherique = peintre.device();
    peintre.save();
    peintre.scale(peripherique->logicalDpiX() / TwipsParPouce,
                  peripherique->logicalDpiY() / TwipsParPouce);
    for (const auto& operation : document.operationsDeLaPage(page)) {
        if (operation.genre == Genre::Texte) {
            dessinerTexte(peintre, operation);
        } else {
            dessinerTrait(peintre, operation);
        }
    }
    peintre.restore();
}

void imprimerDocument(const Document& document, QPrinter& printer) {
    QPainter peintre;
    if (!peintre.begin(&printer)) {
        throw dba::Erreur(dba::ErrImprimante, "Impossible d'imprimer sur « " +
                                                  nomDuPeripherique(printer).toStdString() + " ».");
    }
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    for (int copie = 1; copie <= copies; ++copie) {
        for (int page = 1; page <= document.pages; ++page) {
            if ((copie > 1 || page > 1) && !printer.newPage()) {
                throw dba::Erreur(dba::ErrImprimante, "L'imprimante a refusé une nouvelle page.");
            }
            dessinerPage(peintre, document, page);
        }
    }
    peintre.end();
}

}  // namespace imprimante
