#include "RenduDirect.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace {

constexpr double Cm = 567.0;
constexpr double LigneCorps = 0.39 * Cm;
constexpr int LignesParPage = 51;

QFont police(double points, bool gras) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPixelSize(qRound(points * 20.0));
    font.setBold(gras);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Writes lines from the top of the page down, as a printer with a print position does.
class Page {
  public:
    Page(QPainter& peintre, const QFont& corps) : peintre_(peintre), corps_(corps) {}

    void ecrire(const std::string& texte, const QFont& font, double hauteur, double x = 0) {
        peintre_.setFont(font);
        peintre_.drawText(QPointF(x, y_ + peintre_.fontMetrics().ascent()),
                          QString::fromStdString(texte));
        y_ += hauteur;
    }
    void ecrire(const std::string& texte, double x = 0) { ecrire(texte, corps_, LigneCorps, x); }
    void placer(double y) { y_ = y; }
    void trait(double largeur, double x1, double y1, double x2, double y2) {
        peintre_.setPen(QPen(Qt::black, largeur * 1440.0 / 600.0, Qt::SolidLine, Qt::SquareCap));
        peintre_.drawLine(QPointF(x1 * Cm, y1 * Cm), QPointF(x2 * Cm, y2 * Cm));
    }

  private:
    QPainter& peintre_;
    QFont corps_;
    double y_ = 0;
};

void entete(Page& page, const LigneDirecte& premiere, int numero, const QString& periode,
            const QDate& aujourdhui) {
    const QFont titre = police(14, true);
    page.placer(0);
    page.ecrire("");
    page.ecrire("");
    page.ecrire("Date : " + aujourdhui.toString(QStringLiteral("dd/MM/yyyy")).toStdString() +
                std::string(65, ' ') + "Page : " + std::to_string(numero));
    page.ecrire("");
    page.ecrire("");
    page.ecrire(std::string(20, ' ') + "LISTE DES ACCORDS NON RENOUVELES", titre, LigneCorps * 1.4);
    page.ecrire(std::string(30, ' ') + "SUR " + periode.toStdString(), titre, LigneCorps * 1.4);
    page.ecrire("");
    page.ecrire("");
    for (const std::string& ligne : premiere.bloc) {
        page.ecrire(ligne);
    }
    page.placer(5.4 * Cm + LigneCorps);
    page.ecrire(" CODE  NOM PRENOM AIDE" + std::string(19, ' ') + "ORGANISME DE PRISE EN CHARGE" +
                std::string(13, ' ') + "FIN ACCORD");
    for (const double y : {5.5, 6.5}) {
        page.trait(3, 0, y, 19.6, y);
    }
    for (const double x : {0.0, 19.6}) {
        page.trait(3, x, 5.5, x, 6.5);
    }
    for (const double x : {1.3, 8.3, 17.0}) {
        page.trait(1, x, 5.5, x, 6.5);
    }
    page.placer(6.9 * Cm);
}

void fermer(Page& page, int lignes) {
    const double bas = 6.5 + 0.39 * (lignes + 2);
    for (const double x : {0.0, 19.6}) {
        page.trait(3, x, 6.5, x, bas);
    }
    page.trait(3, 0, bas, 19.6, bas);
    for (const double x : {1.3, 8.3, 17.0}) {
        page.trait(1, x, 6.5, x, bas);
    }
}

}  // namespace

int rendreListe(const std::vector<LigneDirecte>& lignes, const QString& periode,
                const QDate& aujourdhui, const QString& fichierPdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fichierPdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    QPainter peintre;
    if (!peintre.begin(&printer)) {
        throw std::runtime_error("impossible d'écrire " + fichierPdf.toStdString());
    }
    peintre.scale(printer.logicalDpiX() / 1440.0, printer.logicalDpiY() / 1440.0);
    Page page(peintre, police(10, false));
    int pages = 0;
    int surLaPage = 0;
    const std::string* groupe = nullptr;
    for (const LigneDirecte& ligne : lignes) {
        if (groupe == nullptr || surLaPage == LignesParPage || ligne.groupe != *groupe) {
            if (groupe != nullptr) {
                fermer(page, surLaPage);
                printer.newPage();
            }
            entete(page, ligne, ++pages, periode, aujourdhui);
            groupe = &ligne.groupe;
            surLaPage = 0;
        }
        page.ecrire(ligne.detail, 0.1 * Cm);
        ++surLaPage;
    }
    if (groupe != nullptr) {
        fermer(page, surLaPage);
    }
    peintre.end();
    return pages;
}
