#pragma once

#include <string>

#include "Document.h"
#include "ExportControle.h"
#include "PagesImprimees.h"

namespace imprimante {

// A printer as the report layout sees it. The page is addressed in twips from the top-left
// corner of the printable area, x to the right, y downwards; the printer keeps a print
// position, a font and a line width.
//
// Printing a text puts it at the print position and moves x to the end of the text. With a
// line end, x then goes back to 0 and y down one line of the current size (0.39 cm at
// 10 points). Drawing a line leaves the position on the line's second end. A new page starts
// at (0, 0). There is no automatic page break: what lies beyond the printable area is the
// device's.
//
// Everything drawn is kept until the document is sent (EndDoc) or abandoned (KillDoc): the
// page being drawn in memory, the pages before it on disk (PagesImprimees); either way the next
// drawing starts a new document. The font and the line width
// carry over from one document to the next.
class CONTROLE_ARDOINE_EXPORT Imprimante {
  public:
    Imprimante() = default;
    Imprimante(const Imprimante&) = delete;
    Imprimante& operator=(const Imprimante&) = delete;
    virtual ~Imprimante() = default;

    Twips CurrentX() const { return x_; }
    void CurrentX(Twips x) { x_ = x; }
    Twips CurrentY() const { return y_; }
    void CurrentY(Twips y) { y_ = y; }

    const std::string& FontName() const { return police_.nom; }
    void FontName(const std::string& nom) { police_.nom = nom; }
    double FontSize() const { return police_.taille; }
    // Raises dba::Erreur for a size that is not positive.
    void FontSize(double taille);
    bool FontBold() const { return police_.gras; }
    void FontBold(bool gras) { police_.gras = gras; }
    bool FontItalic() const { return police_.italique; }
    void FontItalic(bool italique) { police_.italique = italique; }
    bool FontUnderline() const { return police_.souligne; }
    void FontUnderline(bool souligne) { police_.souligne = souligne; }
    bool FontStrikethru() const { return police_.barre; }
    void FontStrikethru(bool barre) { police_.barre = barre; }

    // Width in dots of a nominal 600-dpi device; raises dba::Erreur below 1.
    int DrawWidth() const { return largeur_; }
    void DrawWidth(int largeur);

    // The text, then a line end. An empty text prints an empty line.
    void Print(const std::string& texte);
    // The text without line end: the next text continues the same line.
    void PrintSansFin(const std::string& texte);
    // A straight black line of the current width.
    void Line(Twips x1, Twips y1, Twips x2, Twips y2);
    void NewPage();
    // Page number of the print position in the current document, from 1.
    int Page() const { return pages_.Nombre(); }
    // The pages of `pages` go in before page `page` of the current document (1: in front), as
    // they were drawn; the pages from there on, the print position's included, move back. A page
    // outside the document raises dba::Erreur.
    void InsererPages(int page, const Document& pages);

    // Nothing of the document printed so far comes out.
    void KillDoc();
    // The document goes to the device.
    void EndDoc();

    // Nothing drawn yet in the current document.
    bool DocumentVide() const { return pages_.Vide(); }
    // The current document whole, read back from where its pages wait.
    Document DocumentEnCours() const { return pages_.Tout(); }

  protected:
    virtual void Envoyer(const PagesImprimees& pages) = 0;
    virtual void Abandonner(const PagesImprimees& pages) = 0;

  private:
    void imprimerTexte(const std::string& texte, bool finDeLigne);
    void recommencer();

    PagesImprimees pages_;
    Twips x_ = 0;
    Twips y_ = 0;
    Police police_;
    int largeur_ = 1;
};

}  // namespace imprimante
