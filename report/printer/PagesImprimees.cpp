#include "PagesImprimees.h"

#include <cstring>
#include <string>
#include <utility>

#include "AttentePages.h"
#include "dba/Erreur.h"

namespace imprimante {

namespace {

// Every field of a drawing but its page, in the one order they are written and read back in.
template <class O, class Champ>
void Champs(O& o, Champ&& champ) {
    champ(o.genre);
    champ(o.x);
    champ(o.y);
    champ(o.texte);
    champ(o.finDeLigne);
    champ(o.police.nom);
    champ(o.police.taille);
    champ(o.police.gras);
    champ(o.police.italique);
    champ(o.police.souligne);
    champ(o.police.barre);
    champ(o.largeur);
    champ(o.x2);
    champ(o.y2);
}

// A page as bytes: numbers as they are in memory (the file is read back by the process that
// wrote it), texts after their length.
class Ecriture {
  public:
    void Operation(const imprimante::Operation& operation) {
        Champs(operation, [this](const auto& champ) { Champ(champ); });
    }
    const std::string& Octets() const { return octets_; }

  private:
    template <class T>
    void Champ(const T& valeur) {
        octets_.append(reinterpret_cast<const char*>(&valeur), sizeof valeur);
    }
    void Champ(const std::string& texte) {
        Champ(texte.size());
        octets_ += texte;
    }

    std::string octets_;
};

class Lecture {
  public:
    explicit Lecture(const std::string& octets) : octets_(octets) {}

    bool Fini() const { return lu_ == octets_.size(); }
    imprimante::Operation Operation(int page) {
        imprimante::Operation operation{.page = page};
        Champs(operation, [this](auto& champ) { Champ(champ); });
        return operation;
    }

  private:
    template <class T>
    void Champ(T& valeur) {
        std::memcpy(&valeur, octets_.data() + lu_, sizeof valeur);
        lu_ += sizeof valeur;
    }
    void Champ(std::string& texte) {
        std::size_t taille = 0;
        Champ(taille);
        texte.assign(octets_, lu_, taille);
        lu_ += taille;
    }

    const std::string& octets_;
    std::size_t lu_ = 0;
};

}  // namespace

PagesImprimees::PagesImprimees() = default;

PagesImprimees::~PagesImprimees() {
    Liberer();
}

PagesImprimees::PagesImprimees(PagesImprimees&& autres) noexcept
    : attente_(std::exchange(autres.attente_, {})),
      courante_(std::exchange(autres.courante_, {})),
      operations_(std::exchange(autres.operations_, 0)) {}

PagesImprimees& PagesImprimees::operator=(PagesImprimees&& autres) noexcept {
    if (this != &autres) {
        Liberer();
        attente_ = std::exchange(autres.attente_, {});
        courante_ = std::exchange(autres.courante_, {});
        operations_ = std::exchange(autres.operations_, 0);
    }
    return *this;
}

void PagesImprimees::Liberer() noexcept {
    for (const PlaceAttente& place : attente_) {
        AttentePages::Partagee().Liberer(place);
    }
    attente_.clear();
}

void PagesImprimees::Dessiner(Operation operation) {
    courante_.push_back(std::move(operation));
    ++operations_;
}

void PagesImprimees::Nouvelle_Page() {
    attente_.push_back(Mettre_En_Attente(courante_));
    courante_.clear();
}

void PagesImprimees::Inserer(int page, const Document& pages) {
    if (page < 1 || page > Nombre()) {
        throw dba::Erreur(dba::ErrArgument, "Page d'insertion invalide : " + std::to_string(page));
    }
    std::vector<PlaceAttente> places;
    try {
        for (int inseree = 1; inseree <= pages.pages; ++inseree) {
            places.push_back(Mettre_En_Attente(pages.operationsDeLaPage(inseree)));
        }
    } catch (...) {
        for (const PlaceAttente& place : places) {
            AttentePages::Partagee().Liberer(place);
        }
        throw;
    }
    attente_.insert(attente_.begin() + (page - 1), places.begin(), places.end());
    operations_ += static_cast<std::int64_t>(pages.operations.size());
}

PlaceAttente PagesImprimees::Mettre_En_Attente(const std::vector<Operation>& operations) {
    Ecriture ecriture;
    for (const Operation& operation : operations) {
        ecriture.Operation(operation);
    }
    return AttentePages::Partagee().Ajouter(ecriture.Octets());
}

Document PagesImprimees::Page(int page) const {
    Document document{.operations = {}, .pages = page};
    if (page == Nombre()) {
        document.operations = courante_;
        for (Operation& operation : document.operations) {
            operation.page = page;
        }
        return document;
    }
    const std::string octets =
        AttentePages::Partagee().Lire(attente_.at(static_cast<std::size_t>(page - 1)));
    Lecture lecture(octets);
    while (!lecture.Fini()) {
        document.operations.push_back(lecture.Operation(page));
    }
    return document;
}

Document PagesImprimees::Tout() const {
    Document document{.operations = {}, .pages = Nombre()};
    for (int page = 1; page <= Nombre(); ++page) {
        Document seule = Page(page);
        document.operations.insert(document.operations.end(),
                                   std::make_move_iterator(seule.operations.begin()),
                                   std::make_move_iterator(seule.operations.end()));
    }
    return document;
}

}  // namespace imprimante
