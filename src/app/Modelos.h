#pragma once

#include <QStringList>

namespace tarsel {

// The nine model families, in the order of the main window's list; the key of the reference data.
inline QStringList FamiliasModelo()
{
    return {QStringLiteral("IP 6"), QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
            QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"), QStringLiteral("IP 7 Plus"),
            QStringLiteral("IP 8"), QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
}

} // namespace tarsel
