#include "Impression.h"
#include "TexteRapport.h"

// The current row of the walk's selection, as the readers and the layout read it.

// A column of the current row of the selection; empty past its last row.
std::string rapport::Impression::Colonne_Accord(int colonne) const {
    return accords_ ? (*accords_)(static_cast<int>(copie_.rangee), colonne) : std::string();
}

// The day after the end of the current row's agreement; nothing when its end is no number.
std::optional<std::int64_t> rapport::Impression::Lendemain_Fin() const {
    const auto fin = ardoine::Partie_Entiere(Colonne_Accord(2));
    if (!fin) {
        return std::nullopt;
    }
    return *fin + 1;
}

// The aided person's code: the first five characters of the agreement key.
std::string rapport::Impression::Code_Aide() const {
    return ardoine::Debut(Colonne_Accord(1), ardoine::LongueurCodeAide);
}
