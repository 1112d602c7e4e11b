#pragma once

#include "chips/LeituraChip.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace tarsel {

// The USB interface chip's supplies, read from the converter report: three rails, two of them judged.
namespace RegrasTristar {

inline const QString Comando = QStringLiteral("pmuadc --read all");

// Rows 1 and 2 are judged (the row number is the line's marker); row 3 is the accessory rail, shown only.
constexpr int Linhas = 3;

// The window title from the caption of the IC screen's chip button: "Hydra - Voltrace Tarsel" when the
// caption names HYDRA, else "Tristar - Voltrace Tarsel".
QString Titulo(const QString& legendaBotaoChip);

// The chip's designator on the board; empty for a model the screen does not know.
QString Designador(const QString& modelo);
// The rail names of rows 1 to 3 for the model.
QStringList NomesMalhas(const QString& modelo);
// The six lines read for the model: voltage and current of each row.
QVector<LinhaChip> LinhasDoModelo(const QString& modelo);

struct LeituraTristar {
    LeituraChip leitura; // the value and percent fields; the failed rows in `baixas`
    QSet<int> aprovadas; // judged rows that passed
    bool falhou() const { return !leitura.baixas.isEmpty(); }
};
LeituraTristar Le(const QString& modelo, const QString& resposta);

} // namespace RegrasTristar

} // namespace tarsel
