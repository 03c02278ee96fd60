#pragma once

#include "mvdb/Recherche.h"

namespace mvdb {

// The SQL operator of a lookup's condition, the same in both stores' dialects.
inline const char* operateurSql(Recherche::Comparateur comparateur) {
    switch (comparateur) {
        case Recherche::Comparateur::Egal:
            return " = ";
        case Recherche::Comparateur::AuMoins:
            return " >= ";
        case Recherche::Comparateur::AuPlus:
            return " <= ";
        case Recherche::Comparateur::Avant:
            break;
    }
    return " < ";
}

}  // namespace mvdb
