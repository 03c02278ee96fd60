#pragma once

#include "TableauDynamique.h"
#include "dba/ExportBase.h"

namespace dba {

// A selection request: element 1 the sentence, element 2 the file name, element 3 the
// attributes that make the columns of each row ("0 1"). Its whole text, elements joined by
// the attribute mark, is what ExecuterSelection takes.
class ARDOINE_BASE_EXPORT Requete : public TableauDynamique {
  public:
    using TableauDynamique::TableauDynamique;
};

// The rows of a selection: element r is the r-th selected item, value c its c-th column.
class ARDOINE_BASE_EXPORT ListeResultat : public TableauDynamique {
  public:
    using TableauDynamique::TableauDynamique;
};

// One record: element a is attribute a; the key is kept beside it.
class ARDOINE_BASE_EXPORT Enregistrement : public TableauDynamique {
  public:
    using TableauDynamique::TableauDynamique;
};

}  // namespace dba
