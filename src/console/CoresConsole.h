#pragma once

#include <QString>
#include <array>
#include <optional>

namespace tarsel {

class Banco;

// The four colours of the console a technician can choose, in the order of columns o1 to o4 of Tools.
enum class AlvoCor { FundoConsole = 0, TextoConsole = 1, FundoComparador = 2, TextoComparador = 3 };

// A colour number as the settings keep it: 00BBGGRR for a plain colour; a negative number (high bit set)
// names a system colour by its index in the low byte, e.g. 0x80000008 the window text colour.
using NumeroCor = qint32;
using CoresConsole = std::array<std::optional<NumeroCor>, 4>;

// "&H80000008" or "&H00FFFFFF" (hexadecimal, as the colour tables write them) or a decimal text
// ("-2147483640") to a colour number; nullopt when the text is empty or not a number.
std::optional<NumeroCor> NumeroCorDoTexto(const QString& texto);

// The stored colours: an empty or unreadable column means the console keeps its design colour.
CoresConsole LeCoresConsole(Banco& banco);
// Writes the four colours as decimal texts without blanks (negative for system colours).
void GravaCoresConsole(Banco& banco, const std::array<NumeroCor, 4>& cores);

// What "Restaurar" puts back: white background, the system's window text, dark grey, white.
std::array<NumeroCor, 4> CoresPadraoConsole();

// The 48 swatches every frame of the colour window offers, row by row (8 rows of 6).
const std::array<NumeroCor, 48>& PaletaCoresConsole();

} // namespace tarsel
