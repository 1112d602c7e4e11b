#pragma once

// One model number of each family: the first byte of an input picks the board the parse works for.

#include <QString>
#include <QStringList>

namespace tarsel::fuzz {

inline const QStringList& Modelos() {
    static const QStringList modelos = {
        QStringLiteral("A1549"), QStringLiteral("A1522"), QStringLiteral("A1633"),
        QStringLiteral("A1634"), QStringLiteral("A1660"), QStringLiteral("A1661"),
        QStringLiteral("A1863"), QStringLiteral("A1864"), QStringLiteral("A1865"),
    };
    return modelos;
}

inline QStringList Familias() {
    return {QStringLiteral("IP 6"),       QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
            QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"),      QStringLiteral("IP 7 Plus"),
            QStringLiteral("IP 8"),       QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
}

} // namespace tarsel::fuzz
