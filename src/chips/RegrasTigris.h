#pragma once

#include "chips/LeituraChip.h"

#include <QString>
#include <QVector>

namespace tarsel {

// The charger chip's reading: the command, its lines, and what the model changes.
namespace RegrasTigris {

inline const QString Comando = QStringLiteral("pmuadc --sel tigris --read all");

// Low markers: the VBUS row, the VBUS 1 row (second input), the battery row.
constexpr int BaixaVBus = 1;
constexpr int BaixaVBus1 = 2;
constexpr int BaixaBateria = 3;

// The models with a second input path: ten lines and the second frame.
bool TemSegundaEntrada(const QString& modelo);
// The chip's designator on the board; empty for a model the screen does not know.
QString Designador(const QString& modelo);
// The lines read for the model, in order.
QVector<LinhaChip> Linhas(const QString& modelo);
// The whole reading of one answer for the model.
LeituraChip Le(const QString& modelo, const QString& resposta);

} // namespace RegrasTigris

} // namespace tarsel
