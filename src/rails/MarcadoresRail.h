#pragma once

#include "rails/TelaRail.h"

#include <QString>

namespace tarsel {

// Reading texts that are not measurements, and the note under the rail lists that explains them.

// A rail that the diagnostics mode does not measure.
inline const QString MarcadorPulado = QStringLiteral("*");
// PMU screen: a value that timed out.
inline const QString MarcadorTempoEsgotado = QStringLiteral("**");
// A rail whose line is missing from the answer: the translation of "Sem Medição" + "*".
QString MarcadorSemMedicao();

// The note lbVar of a rail screen for the model: VAR4 for the 8/X families, VAR3 otherwise; the PMU
// screen adds " ** " and the upper-case translation of "Sem Medição" (what "**" means there).
QString NotaRail(TelaRail tela, const QString& modelo);

} // namespace tarsel
