#pragma once

#include <QString>

namespace tarsel {

// The value behind a line key of a chip answer, in display units: the first occurrence of `chave`, the
// token one blank after it, millivolts turned into volts when the unit word's second letter is "V",
// anything else (currents, temperature) without its last digit and with "," as separator. "-" when
// the key is missing, the token is empty or not a number, or (when `timeoutSemMedicao`) the token is a
// timed-out reading: four characters or more containing "tim".
QString ValorChip(const QString& resposta, const QString& chave, bool timeoutSemMedicao = true);

// The deviation of `valor` from `referencia` in whole percent (cut, "-0" is 0). Throws ErroVB when
// either text is not a number.
int DesvioInteiro(const QString& valor, const QString& referencia);
// The same deviation with its decimal, as a number.
double DesvioNumero(const QString& valor, const QString& referencia);

} // namespace tarsel
