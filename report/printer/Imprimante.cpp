#include "Imprimante.h"

#include <algorithm>

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
    document_.operations.push_back(Operation{.page = document_.pages,
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
    document_.operations.push_back(Operation{.page = document_.pages,
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
    ++document_.pages;
    x_ = 0;
    y_ = 0;
}

// The operations stay in the order of their pages.
void Imprimante::InsererPages(int page, const Document& pages) {
    if (page < 1 || page > document_.pages) {
        throw dba::Erreur(dba::ErrArgument, "Page d'insertion invalide : " + std::to_string(page));
    }
    auto& operations = document_.operations;
    const auto place = std::find_if(operations.begin(), operations.end(),
                                    [page](const Operation& o) { return o.page >= page; });
    for (auto suivante = place; suivante != operations.end(); ++suivante) {
        suivante->page += pages.pages;
    }
    std::vector<Operation> inserees = pages.operations;
    for (Operation& operation : inserees) {
        operation.page += page - 1;
    }
    operations.insert(place, inserees.begin(), inserees.end());
    document_.pages += pages.pages;
}

void Imprimante::KillDoc() {
    Abandonner(document_);
    recommencer();
}

void Imprimante::EndDoc() {
    Envoyer(document_);
    recommencer();
}

void Imprimante::recommencer() {
    document_ = Document{};
    x_ = 0;
    y_ = 0;
}

}  // namespace imprimante
