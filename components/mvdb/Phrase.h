#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mvdb {

enum class Operateur { Egal, SuperieurOuEgal, InferieurOuEgal, Different };

// A name as written in the sentence, with the position (in characters, from 1) where it
// starts, so that an error on it can say where.
struct Nomme {
    std::string nom;
    std::size_t position = 0;
};

// AVEC attr op "valeur"; a value written with a final "]" is a prefix.
struct ClausePhrase {
    Nomme attribut;
    Operateur operateur = Operateur::Egal;
    std::string valeur;
    bool prefixe = false;
};

struct Phrase {
    Nomme fichier;
    std::vector<ClausePhrase> clauses;
    std::vector<Nomme> tris;
};

// "SSELECT F [AVEC c] [AND AVEC c]... with PAR attr anywhere after F", F a file or its
// dictionary "DICT F". Raises ErrSyntaxe saying at which position what was expected.
Phrase analyserPhrase(std::string_view texte);

// "Position N de la phrase : " + texte, keeping the error's number.
[[noreturn]] void echouerALaPosition(std::uint32_t numero, std::size_t position,
                                     const std::string& texte);

}  // namespace mvdb
