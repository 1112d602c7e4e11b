#pragma once

// The model families: the parses that depend on the board take the family, picked from the input's length.

#include <QString>
#include <QStringList>

namespace tarsel::fuzz {

inline QStringList Familias() {
    return {QStringLiteral("IP 6"),       QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
            QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"),      QStringLiteral("IP 7 Plus"),
            QStringLiteral("IP 8"),       QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
}

} // namespace tarsel::fuzz
