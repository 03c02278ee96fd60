#include "Imprimante.h"

#include "dba/Erreur.h"

namespace imprimante {

void Imprimante::FontSize(double taille) {
    if (!(taille > 0)) {
        throw dba::Erreur(dba::ErrArgument,
                          "Taille de police invalide : " + std::to_string(taille));
    }
    police_.taille = taille;
}

void Imprimante::DrawWidth(int largeur) {
    if (largeur < 1) {
        throw dba::Erreur(dba::ErrArgument,
                          "Épaisseur de trait invalide : " + std::to_string(largeur));
    }
    largeur_ = largeur;
}

void Imprimante::Print(const std::string& texte) {
    imprimerTexte(texte, true);
}

void Imprimante::PrintSansFin(const std::string& texte) {
    imprimerTexte(texte, false);
}

void Imprimante::imprimerTexte(const std::string& texte, bool finDeLigne) {
    pages_.Dessiner(Operation{.page = pages_.Nombre(),
                              .genre = Genre::Texte,
                              .x = x_,
                              .y = y_,
                              .texte = texte,
                              .finDeLigne = finDeLigne,
                              .police = police_});
    if (finDeLigne) {
        x_ = 0;
        y_ += hauteurLigne(police_.taille);
    } else {
        x_ += largeurTexte(texte, police_.taille);
    }
}

void Imprimante::Line(Twips x1, Twips y1, Twips x2, Twips y2) {
    pages_.Dessiner(Operation{.page = pages_.Nombre(),
                              .genre = Genre::Trait,
                              .x = x1,
                              .y = y1,
                              .largeur = largeur_,
                              .x2 = x2,
                              .y2 = y2});
    x_ = x2;
    y_ = y2;
}

void Imprimante::NewPage() {
    pages_.Nouvelle_Page();
    x_ = 0;
    y_ = 0;
}

void Imprimante::InsererPages(int page, const Document& pages) {
    pages_.Inserer(page, pages);
}

void Imprimante::KillDoc() {
    Abandonner(pages_);
    recommencer();
}

void Imprimante::EndDoc() {
    Envoyer(pages_);
    recommencer();
}

void Imprimante::recommencer() {
    pages_ = PagesImprimees{};
    x_ = 0;
    y_ = 0;
}

}  // namespace imprimante
