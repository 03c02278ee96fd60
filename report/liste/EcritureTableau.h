#pragma once

namespace rapport {

struct LigneTableau;
class TableauListe;
class Echeancier;

// A table file being written as the walk decides its rows, so that a run holds one row at a
// time whatever its range. Rows go to a provisional file; only Terminer puts the file in
// place, and a writer dropped before leaves no file of its own behind (the program's one
// writer, outils::FichierEntier). A failure raises dba::Erreur.
class EcritureTableau {
  public:
    virtual ~EcritureTableau() = default;

    // The next row of the list, in the order of the walk.
    virtual void Ligne(const LigneTableau& ligne) = 0;
    // What is known only once the walk is over (the counts of the groups, the schedule of a
    // range when the file has a place for it), then the file in place of its target.
    virtual void Terminer(const TableauListe& tableau, const Echeancier* echeancier) = 0;
};

}  // namespace rapport
