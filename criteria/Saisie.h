#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "dba/Requete.h"

class QLineEdit;

namespace ardoine {

class ListeDeroulante;
class Messages;

// What every lookup pair shares: a code box holding a fixed-width code and a list box holding
// the labels of a held result list, whose row r is list entry r - 1 (column 1 the key,
// column 2 the label).

inline constexpr std::int16_t ToucheEntree = 13;
inline constexpr std::int16_t ToucheRetourArriere = 8;

// Title of the criteria's messages, unless a message names its own.
QString TitreKorvane();

// "7" becomes "007": a code shorter than its width completed on the left with "0"; a longer
// one is left as it is.
QString Completer_Zeros(const QString& code, int largeur);

// Enter completes the code box's text to its width; the key itself is left alone.
void Completer_Sur_Entree(QLineEdit& zone, int largeur, std::int16_t KeyAscii);
// Leaving a code box completes a short code; an empty box stays empty.
void Completer_En_Sortie(QLineEdit& zone, int largeur);

// Row of the held list whose key, from its character `debut` on (0: the whole key), equals the
// code exactly; 0 when there is none. A list never read holds no row.
int Chercher_Ligne(const std::optional<dba::ListeResultat>& lignes, const QString& code,
                   int debut = 0);
// Column `colonne` of a row of a held list; empty past its end or when no list is held.
QString Colonne(const std::optional<dba::ListeResultat>& lignes, int ligne, int colonne);

// A valid code shows its label, unless the list box already shows one (a label the user chose
// stays).
void Ecrire_Libelle_Si_Vide(ListeDeroulante& liste, const QString& libelle);
// A full-width code looked up in the held list (keys from their character `debut` on). Found:
// its label is written if the list box shows none, and its row is returned. Not found: the
// message, the code box emptied and given the focus back, and 0.
int Valider_Code(Messages& messages, QLineEdit& zone, ListeDeroulante& liste,
                 const std::optional<dba::ListeResultat>& lignes, const QString& inconnu,
                 int debut = 0);
// Emptying the list box's text empties the code box.
void Vider_Code_Si_Libelle_Vide(const ListeDeroulante& liste, QLineEdit& zone);
// Writes a chosen entry's code into the code box. The box would cut a code longer than its
// maximum length into another, maybe valid, code; such a code can never be valid, so it is
// dropped with its label, as an incomplete code would be.
void Ecrire_Code(QLineEdit& zone, ListeDeroulante& liste, const QString& code);

// A code refused: the message (exclamation icon), then the code box emptied and, when asked,
// the focus given back to it.
enum class Focus { Rendu, Laisse };
void Refuser_Code(Messages& messages, QLineEdit& zone, const QString& texte, Focus focus,
                  const QString& titre = TitreKorvane());

}  // namespace ardoine
