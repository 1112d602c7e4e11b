#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarsel {

// A current row of the PMU screen: its rail identifier ("mA Buck0") and reading text.
struct CorrenteRail {
    QString Orig;
    QString Leitura;
};

// The current each line of the PMU screen shows beside its voltage, line by line; nothing where no
// current row belongs to the line (the current cell stays hidden).
//
// A current row belongs to every line whose name starts with the row's identifier after its first
// three characters ("mA Buck1" -> "BUCK1"), in any case; identifiers of three characters or fewer name
// no rail and are skipped. Where several rows fit one line ("mA Buck1" and "mA Buck10" both fit
// "BUCK10") the longest identifier wins, which is what writing the rows in Orig order gives; among equal
// identifiers the later row wins.
QList<std::optional<QString>> CorrentesDasLinhas(const QStringList& linhas, const QList<CorrenteRail>& correntes);

} // namespace tarsel
