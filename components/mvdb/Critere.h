#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Attribut.h"
#include "Phrase.h"

namespace mvdb {

// A selection clause bound to its compiled attribute.
struct Critere {
    std::shared_ptr<const Attribut> attribut;
    Operateur operateur = Operateur::Egal;
    std::string valeur;
    bool prefixe = false;
};

// Whether the attribute's value satisfies the clause: any one of its values does, and a
// missing attribute is the empty value.
bool satisfait(const Critere& critere, std::string_view valeurAttribut);

}  // namespace mvdb
