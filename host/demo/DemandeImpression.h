#pragma once

#include <cstdint>

#include <QDate>
#include <QString>

#include "Options.h"

namespace demo {

// What the print command is asked to print: the criteria of the form, the month, the copies
// and the PDF file.
struct DemandeImpression {
    enum class Regroupement { Responsable, Secteur, Commune };

    QString entite;
    QString activite;
    Regroupement regroupement = Regroupement::Responsable;
    // Code of the manager, sector or commune; empty: every group, sorted by group.
    QString groupe;
    QString organisme;
    // The month, or the first month of a range, and how many months from it.
    int annee = 0;
    int mois = 0;
    int moisImprimes = 1;
    std::int16_t copies = 1;
    // The output file, or else the system printer.
    QString sortie;
    // The system printer, when there is no output file.
    QString imprimante;
    // One file per group beside `sortie`, whose name takes each group's code.
    bool unFichierParGroupe = false;
    // When set, the form is saved to this PNG file as it stands before "Imprimer", and
    // nothing is printed.
    QString capture;
};

// Checks and reads the print options; raises dba::Erreur (ErrArgument) with a French text
// for a missing or malformed one. With a capture, no output is needed; without
// `sortieRequise` neither, and one file per group is not checked. A month (--mois, --du, --au) is
// AAAA-MM or counted from `aujourdhui`'s: "courant" is that month, "precedent" the one before, "+N"
// and "-N" N months after or before it.
DemandeImpression Lire_Demande(const OptionsImpression& options, const QString& capture = {},
                               const QDate& aujourdhui = QDate::currentDate(),
                               bool sortieRequise = true);

}  // namespace demo
