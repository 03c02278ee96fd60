#pragma once

#include <QString>

namespace demo {

// The database the demo host opens, and what named it.
struct BaseChoisie {
    enum class Source { Option, Variable, Utilisateur };
    QString nom;
    Source source = Source::Option;
};

// The variable that names the database when --db is not given.
inline constexpr char VariableBase[] = "ARDOINE_BASE";

// Without --db: the database ARDOINE_BASE names when it is set and not empty, else the user's
// demo database, demo.db in the folder ControleArdoine of $XDG_DATA_HOME (~/.local/share when
// unset), which `ardoine-db demo` can make. Never a path of the machine that built the program.
BaseChoisie Base_Par_Defaut();

// The rule above as --help states it, with the value in effect.
QString Regle_Base_Par_Defaut();

}  // namespace demo
