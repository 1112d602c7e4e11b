#pragma once

#include <QString>
#include <QStringList>

namespace tarsel {

// The nine model families, in the order of the main window's list; the key of the reference data.
inline QStringList FamiliasModelo() {
    return {QStringLiteral("IP 6"),       QStringLiteral("IP 6 Plus"), QStringLiteral("IP 6s"),
            QStringLiteral("IP 6s Plus"), QStringLiteral("IP 7"),      QStringLiteral("IP 7 Plus"),
            QStringLiteral("IP 8"),       QStringLiteral("IP 8 Plus"), QStringLiteral("IP X")};
}

// The family the model list falls back to when it is left empty.
inline const QString FamiliaPadrao = QStringLiteral("IP 7");

// "IP 8", "IP 8 Plus" and "IP X": the later boards, which carry the Hydra USB chip instead of Tristar,
// a second charger frame, and do not report the current of Buck0. Decided by the first four characters.
inline bool FamiliaOitoOuX(const QString& familia) {
    const QString inicio = familia.left(4);
    return inicio == QLatin1String("IP 8") || inicio == QLatin1String("IP X");
}

// "IP X" alone: the only family with the Acorn display power chip.
inline bool FamiliaX(const QString& familia) {
    return familia == QLatin1String("IP X");
}

// The USB interface chip of the family: "Hydra" on the later boards, "Tristar" before them.
inline QString ChipUsb(const QString& familia) {
    return FamiliaOitoOuX(familia) ? QStringLiteral("Hydra") : QStringLiteral("Tristar");
}

// The touch and display power chip of the family: "Acorn" on "IP X", "Chestnut" on every other.
inline QString ChipDisplay(const QString& familia) {
    return FamiliaX(familia) ? QStringLiteral("Acorn") : QStringLiteral("Chestnut");
}

} // namespace tarsel
