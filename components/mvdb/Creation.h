#pragma once

namespace mvdb {

// What a new database is for until its creator hands it over.
enum class Creation {
    // Shared from the start: others may open it while it is being filled.
    Partagee,
    // Filled in one go by its creator alone, then handed over (Base::mettreEnService): a
    // store may then write it the quickest way that only its creator can use.
    Chargement,
};

}  // namespace mvdb
