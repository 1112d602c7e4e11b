#pragma once

#include <QString>

namespace tarsel {

// The BOX model the main window restores from table Combos (column Combo7).
struct ModeloBox {
    QString modelo; // "1" or "2": what the list shows and the link polls with
    bool regravar;  // the stored text differs from what the list shows and must be written back
};

// "1" and "2" stay; the older "G1" and "G2" mean 1 and 2 and stay stored as they are; anything else
// (empty, a typed or damaged value) is model 1 and is written back, so that the stored value and the
// list agree and the link never runs with a model it has no poll speed for.
ModeloBox ModeloBoxGravado(const QString& gravado);

} // namespace tarsel
