#pragma once

#include <QString>

namespace tarsel {

// Text functions for measured values. They work on text, truncate instead of rounding and write
// "." as the decimal separator. Failures throw ErroVB (13 type mismatch, 6 overflow, 11 division
// by zero) for the caller's handler.

// Millivolts to volts with three decimals, cut: "5012.34" -> "5.012".
QString MilivoltParaVolt(const QString& texto);
// Cut after the first decimal. Rewrites the caller's text: every "," and blank becomes ".".
QString UmaDecimal(QString& texto);
// Cut after n decimals (n = -1: the whole part). Rewrites the caller's text as UmaDecimal does.
QString CortaDecimais(QString& texto, int n);
// Deviation of a reading from its reference in percent, one decimal at most.
QString DesvioPercentual(const QString& leitura, const QString& referencia);
// The text without blanks.
QString SemEspacos(const QString& texto);

} // namespace tarsel
