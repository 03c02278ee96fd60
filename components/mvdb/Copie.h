#pragma once

#include "Depot.h"

namespace mvdb {

// Copies every file of `source` (records, dictionaries, index declarations) into the empty
// database `destination`, whatever the store of each: one read view on the source and one
// write transaction on the destination, so the copy is all or nothing. The record count of
// every file is checked on both sides before the copy is validated. Raises ErrArgument when
// the destination is not empty, ErrStockage when a count differs.
void copier(const Depot& source, Depot& destination);

}  // namespace mvdb
