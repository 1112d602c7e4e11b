#pragma once

#include <QString>
#include <optional>

namespace tarsel {

// Line key of a rail's line code (column RefT), e.g. "0" -> "BIST buck0:", "20" -> "ibuck0:".
// Codes are compared as text; nothing for a code without a key.
std::optional<QString> ChaveLinha(const QString& codigo);

// The same, for the parse: a code without a key shows the box "NOT " + code and gives an empty key.
QString ChaveBist(const QString& codigo);

} // namespace tarsel
