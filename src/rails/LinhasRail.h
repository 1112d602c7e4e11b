#pragma once

#include "rails/LinhaRail.h"

#include <QList>
#include <QPair>

namespace tarsel {

class Banco;

// Reads and writes of the rail rows of Master. Every batch is one statement or one transaction.
class LinhasRail {
public:
    // Empties Leitura and Porc in every row of Master (all models, all types).
    static void LimpaLeituras();
    static void LimpaLeituras(Banco& b);

    // The rows a read fills, in the read's order.
    static QList<LinhaRail> linhasDaLeitura(Banco& b, const QString& modelo, int tipo);

    // Writes the readings of a parse, row by row id. Runs inside the caller's transaction.
    static void escreveLeituras(Banco& b, const QList<QPair<qint64, LeituraRail>>& leituras);

    // Recording n (1..3): copies Leitura into G<n> of the given rows, or empties G<n> there; one
    // transaction. n outside 1..3 throws ErroVB 9.
    static void copiaParaGravacao(int n, const QList<qint64>& linhas);
    static void apagaGravacao(int n, const QList<qint64>& linhas);

private:
    static void atualizaGravacao(int n, const QList<qint64>& linhas, bool copia);
};

} // namespace tarsel
