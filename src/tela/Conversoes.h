#pragma once

#include <QColor>
#include <QString>

namespace tarsel {

// Sizes are stated in twips (1440 per inch); at 96 dpi logical a pixel is 15 twips.
constexpr int Twips(int twips) {
    return twips / 15;
}

// The colour texts of the program ("&H00C0FFC0") and the decimal colour numbers of Tools hold
// the bytes as 00BBGGRR: the lowest byte is red.
QColor CorBGR(const QString& texto);
QColor CorBGR(quint32 valor);
quint32 ValorBGR(const QColor& cor);
// A colour number of the settings: 00BBGGRR, or (high bit set) a system colour whose index is in the
// low byte (8 window text, 5 window background, 15 button face, ...), taken from the application's
// palette. An unknown system index gives the window text colour.
QColor CorVB(qint32 numero);

namespace Cores {
inline const QString VerdeClaro = QStringLiteral("&H00C0FFC0");   // pass
inline const QString AmareloClaro = QStringLiteral("&H0080FFFF"); // fail or low
inline const QString Verde = QStringLiteral("&H0000FF00");
inline const QString Amarelo = QStringLiteral("&H0000FFFF");
inline const QString Branco = QStringLiteral("&H00FFFFFF"); // cleared
} // namespace Cores

} // namespace tarsel
