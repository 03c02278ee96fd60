#pragma once

#include <vector>

#include "Operation.h"

namespace imprimante {

// A document being printed: its pages (at least one) and what was drawn on them, in order.
struct Document {
    std::vector<Operation> operations;
    int pages = 1;

    bool vide() const { return operations.empty(); }
    std::vector<Operation> operationsDeLaPage(int page) const;
    std::vector<Operation> textes(int page) const;
    std::vector<Operation> traits(int page) const;

    bool operator==(const Document&) const = default;
};

}  // namespace imprimante
