#pragma once

#include "chips/LeituraChip.h"
#include "chips/RelatorioChip.h"

#include <QSet>
#include <QString>
#include <QVector>

namespace tarsel {

// The display power chip (every family but "IP X"): its three high-voltage LDOs, the negative supply, the
// boost, its input and ground, read from the chip's own converter report.
namespace RegrasChestnut {

inline const QString Comando = QStringLiteral("pmuadc --sel chestnut --read all");
inline const QString TouchLiga = QStringLiteral("touch --on");
inline const QString TouchDesliga = QStringLiteral("touch --off");

// The pass/fail icon pairs: 0 boost, 1 negative supply, 2 to 4 the LDOs 1 to 3.
constexpr int Icones = 5;
// The touch controller's supply: when it reads wrong the controller may just be off.
constexpr int IconeTouch = 4;

// The chip's designator on the board; empty for a model the screen does not know.
QString Designador(const QString& modelo);
// The eleven lines in the answer's order. A judged line's marker is its icon + 1.
QVector<LinhaChip> Linhas();

struct LeituraChestnut {
    LeituraChip leitura;
    QSet<int> aprovados;  // icons to show as passed
    QSet<int> reprovados; // icons to show as failed
    // The touch supply was measured and is out: worth a second reading with the touch controller on.
    bool touchForaDaFaixa = false;
};
LeituraChestnut Le(const QString& resposta);

// The report's entries in the page's order.
QVector<EntradaRelatorioChip> EntradasRelatorio();

} // namespace RegrasChestnut

} // namespace tarsel
