#include "LotEcriture.h"

#include <utility>

namespace mvdb {

namespace {

using P = ParametrePg;

// A batch is sent once it holds this many rows or bytes: large enough that round trips no
// longer count, small enough that the arrays stay a few megabytes.
constexpr std::size_t LignesParLot = 5000;
constexpr std::size_t OctetsParLot = 8 << 20;

}  // namespace

void LotEcriture::ecrire(IdFichier fichier, std::string_view cle, std::string_view donnees,
                         std::optional<double> nombre) {
    if (!enregistrements_.ecrites.insert(designation(fichier, cle)).second) {
        envoyer();
        enregistrements_.ecrites.insert(designation(fichier, cle));
    }
    enregistrements_.fichiers.ajouter(P::entier(fichier));
    enregistrements_.cles.ajouter(P::octetsBruts(cle));
    enregistrements_.donnees.ajouter(P::octetsBruts(donnees));
    enregistrements_.nombres.ajouter(P::reelOuNul(nombre));
    octets_ += cle.size() + donnees.size();
    envoyerSiPlein();
}

void LotEcriture::ajouterEntree(const EntreeIndex& entree) {
    ajouts_.fichiers.ajouter(P::entier(entree.fichier));
    ajouts_.attributs.ajouter(P::entier32(entree.attribut));
    ajouts_.textes.ajouter(P::octetsBruts(entree.valeur));
    ajouts_.cles.ajouter(P::octetsBruts(entree.cle));
    ajouts_.nombres.ajouter(P::reelOuNul(entree.nombre));
    ajouts_.multiples.ajouter(P::booleen(entree.multiple));
    octets_ += entree.cle.size() + entree.valeur.size();
    envoyerSiPlein();
}

void LotEcriture::retirerEntree(IdFichier fichier, int attribut, std::string_view cle,
                                std::string_view valeur) {
    retraits_.fichiers.ajouter(P::entier(fichier));
    retraits_.attributs.ajouter(P::entier32(attribut));
    retraits_.textes.ajouter(P::octetsBruts(valeur));
    retraits_.cles.ajouter(P::octetsBruts(cle));
    octets_ += cle.size() + valeur.size();
    envoyerSiPlein();
}

std::string LotEcriture::designation(IdFichier fichier, std::string_view cle) {
    return std::to_string(fichier) + ':' + std::string(cle);
}

void LotEcriture::envoyerSiPlein() {
    const std::size_t lignes =
        enregistrements_.cles.taille() + ajouts_.cles.taille() + retraits_.cles.taille();
    if (lignes >= LignesParLot || octets_ >= OctetsParLot) {
        envoyer();
    }
}

template <typename Lignes>
void LotEcriture::envoyerLignes(Lignes& lignes, const char* nom, const char* sql) {
    if (lignes.cles.taille() == 0) {
        return;
    }
    const Lignes envoyees = std::exchange(lignes, Lignes{});
    envoyees_ += envoyees.cles.taille();
    connexion_.executer(sql, envoyees.parametres(), nom);
}

// Entries leave before others arrive: a record rewritten within one batch retires its old
// values first (its writer read it, which sent the batch before, so no entry arrives and
// leaves within one batch).
void LotEcriture::envoyer() {
    envoyerLignes(enregistrements_, "lot_ecriture",
                  "INSERT INTO mvdb.enreg(fichier, cle, donnees, num) "
                  "SELECT * FROM unnest($1::bigint[], $2::bytea[], $3::bytea[], $4::float8[]) "
                  "ON CONFLICT (fichier, cle) DO UPDATE "
                  "SET donnees = EXCLUDED.donnees, num = EXCLUDED.num");
    envoyerLignes(retraits_, "lot_retrait",
                  "DELETE FROM mvdb.entree e "
                  "USING unnest($1::bigint[], $2::integer[], $3::bytea[], $4::bytea[]) "
                  "AS r(f, a, t, c) "
                  "WHERE e.fichier = r.f AND e.attribut = r.a AND e.texte = r.t AND e.cle = r.c");
    envoyerLignes(ajouts_, "lot_ajout",
                  "INSERT INTO mvdb.entree(fichier, attribut, texte, cle, num, multiple) "
                  "SELECT * FROM unnest($1::bigint[], $2::integer[], $3::bytea[], $4::bytea[], "
                  "$5::float8[], $6::boolean[])");
    octets_ = 0;
}

std::vector<ParametrePg> LotEcriture::Enregistrements::parametres() const {
    return {fichiers.parametre(), cles.parametre(), donnees.parametre(), nombres.parametre()};
}

std::vector<ParametrePg> LotEcriture::Entrees::parametres() const {
    return {fichiers.parametre(), attributs.parametre(), textes.parametre(), cles.parametre()};
}

std::vector<ParametrePg> LotEcriture::EntreesAjoutees::parametres() const {
    std::vector<ParametrePg> parametres = Entrees::parametres();
    parametres.push_back(nombres.parametre());
    parametres.push_back(multiples.parametre());
    return parametres;
}

void LotEcriture::abandonner() noexcept {
    enregistrements_ = Enregistrements{};
    retraits_ = Entrees{};
    ajouts_ = EntreesAjoutees{};
    octets_ = 0;
}

}  // namespace mvdb
