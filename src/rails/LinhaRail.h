#pragma once

#include <QString>

namespace tarsel {

// What the parse needs of one rail row of Master.
struct LinhaRail {
    qint64 id = 0; // rowid
    QString Orig;
    QString Malha;
    QString Ci;
    QString RefT;
    QString RefV;
};

// What the parse writes into a rail row.
struct LeituraRail {
    QString Leitura;
    QString Porc;

    bool operator==(const LeituraRail& o) const { return Leitura == o.Leitura && Porc == o.Porc; }
};

} // namespace tarsel
