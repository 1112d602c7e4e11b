#pragma once

#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace tarsel {

class Banco;

// Orderings of the rail lists.
enum class OrdemRail {
    Orig,        // Buck and LDO: on opening, after a model change, type chosen while not connected
    ModeloOrig,  // Buck and LDO: a read and its refreshes, option "Malha"
    CiOrig,      // Buck and LDO: option "IC's"
    Malha,       // VCore: on opening, after a model change
    ModeloMalha, // VCore: a read and its refreshes, option "Malha"
    CiMalha,     // VCore: option "IC's"
    PorcDesc,    // both: option "%" (text order of the deviation, descending)
};

// A query on the rail rows of table Master, ready to prepare and bind on any connection (the grids
// keep their own). Every query selects "rowid, *": column 0 (named "rowid") identifies the row for
// the recordings and the report, the others are Master's columns by name.
class ConsultaRail {
public:
    QString sql;
    QVariantList valores;

    static constexpr int ColunaId = 0;

    // The rows a read fills: the model's rows of the type that have a line code.
    static ConsultaRail leitura(const QString& modelo, int tipo);

    // A screen's grid. `filtroCi` (VCore) keeps the rows whose Ci contains it; "", "IC's" and
    // "CPU/NAND" mean every row.
    static ConsultaRail grade(const QString& modelo, int tipo, OrdemRail ordem, const QString& filtroCi = {});

    // PMU screen: the rows shown as lines (with a reference value) and the rows whose reading goes in
    // the current column (no deviation).
    static ConsultaRail tensoesPMU(const QString& modelo, int tipo);
    static ConsultaRail correntesPMU(const QString& modelo, int tipo);

    // Runs the query on `b`.
    QSqlQuery executa(Banco& b) const;
    // The row ids the query gives, in its order (on the program's database).
    QList<qint64> ids() const;

    // Whether an IC filter text restricts the rows.
    static bool filtraCi(const QString& filtroCi);
};

} // namespace tarsel
