#pragma once

#include "chips/LeituraChip.h"
#include "chips/RelatorioChip.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace tarsel {

// The display and touch power chip of "IP X": sixteen lines of the whole converter report (eleven
// voltages, the die temperature, four currents), seven voltages judged within ±10 %.
namespace RegrasAcorn {

inline const QString Comando = QStringLiteral("pmuadc --read all");
inline const QString Designador = QStringLiteral(" ACORN U5600");

// Lines 0 to 15; the voltages' icons share their line's number, icon 11 is the overall result.
constexpr int Linhas = 16;
constexpr int IconeGeral = 11;

// The sixteen lines in order: line n fills `M<n>` (11 `Temp`, 12 to 15 `AMP1` to `AMP4`).
QVector<LinhaChip> LinhasAcorn();
// Whether line n is one of the seven judged against a reference.
bool Julgada(int linha);

struct LeituraAcorn {
    LeituraChip leitura;
    QSet<int> aprovados;  // pass icons to show (11: every judged line passed)
    QSet<int> reprovados; // fail icons to show (11: some judged line failed or is missing)
};
LeituraAcorn Le(const QString& resposta);

// The report's eleven entries in the page's order.
QVector<EntradaRelatorioChip> EntradasRelatorio();

} // namespace RegrasAcorn

} // namespace tarsel
