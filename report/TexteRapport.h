#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QDate>

namespace ardoine {

// The first `nombre` characters (not bytes) of a UTF-8 text, or the whole text when shorter.
std::string Debut(std::string_view texte, int nombre);

// A column of the detail line, `largeur` characters wide: a text of at most `garde`
// characters is completed with spaces; a longer one is cut to `garde` characters and
// completed the same way, so the column always ends with at least one space.
std::string Colonne_Ajustee(std::string_view texte, int garde, int largeur);

// The integer part of a number as the database writes it ("19845", "-3", "19845.5");
// nothing for any other text, the empty one included.
std::optional<std::int64_t> Partie_Entiere(std::string_view texte);

// Agreement keys are the person's code followed by a three-digit sequence number.
constexpr int LongueurCodeAide = 5;
constexpr int DernierNumeroAccord = 999;
std::string Numero_Accord(int numero);
// The keys of the person's agreements numbered `premier` to `dernier`.
std::vector<std::string> Cles_Accords(const std::string& aide, int premier, int dernier);
// The number of the agreement after this one's (1 when the key has no number), at most the
// last there can be.
int Numero_Suivant(std::string_view cle);

// The end date of a line, "dd/mm/yyyy", on the page and in the table files alike. A stored
// value that is no day number (a hand-edited record) leaves the date empty: one unreadable
// field must not stop the list of the whole month.
std::string Date_Fin_Imprimable(const std::string& jour);
// The same as a date for the table files; invalid where the page leaves the date empty.
QDate Date_Fin(const std::string& jour);

}  // namespace ardoine
