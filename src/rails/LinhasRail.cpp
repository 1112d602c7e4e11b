#include "rails/LinhasRail.h"

#include "base/ErroVB.h"
#include "rails/ConsultaRail.h"
#include "store/Banco.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace tarsel {

void LinhasRail::LimpaLeituras() {
    Banco b;
    LimpaLeituras(b);
}

void LinhasRail::LimpaLeituras(Banco& b) {
    b.executa(QStringLiteral("update Master set Leitura = '', Porc = ''"));
}

QList<LinhaRail> LinhasRail::linhasDaLeitura(Banco& b, const QString& modelo, int tipo) {
    QSqlQuery q = ConsultaRail::leitura(modelo, tipo).executa(b);
    const QSqlRecord r = q.record();
    const int orig = r.indexOf(QStringLiteral("Orig"));
    const int malha = r.indexOf(QStringLiteral("Malha"));
    const int ci = r.indexOf(QStringLiteral("Ci"));
    const int refT = r.indexOf(QStringLiteral("RefT"));
    const int refV = r.indexOf(QStringLiteral("RefV"));
    QList<LinhaRail> linhas;
    while (q.next()) {
        LinhaRail l;
        l.id = q.value(ConsultaRail::ColunaId).toLongLong();
        l.Orig = q.value(orig).toString();
        l.Malha = q.value(malha).toString();
        l.Ci = q.value(ci).toString();
        l.RefT = q.value(refT).toString();
        l.RefV = q.value(refV).toString();
        linhas << l;
    }
    return linhas;
}

void LinhasRail::escreveLeituras(Banco& b, const QList<QPair<qint64, LeituraRail>>& leituras) {
    // An empty text is stored as '' (not NULL): the PMU screen selects its current rows by Porc = ''.
    const QString sql = QStringLiteral("update Master set Leitura = coalesce(?, ''), Porc = coalesce(?, '') "
                                       "where rowid = ?");
    for (const auto& [id, leitura] : leituras)
        b.executa(sql, {leitura.Leitura, leitura.Porc, id});
}

void LinhasRail::atualizaGravacao(int n, const QList<qint64>& linhas, bool copia) {
    if (n < 1 || n > 3)
        throw ErroVB(9, QStringLiteral("G%1: subscript out of range").arg(n));
    const QString sql = copia ? QStringLiteral("update Master set G%1 = Leitura where rowid = ?").arg(n)
                              : QStringLiteral("update Master set G%1 = '' where rowid = ?").arg(n);
    Banco b;
    Banco::Transacao t(b);
    for (const qint64 id : linhas)
        b.executa(sql, {id});
    t.fim();
}

void LinhasRail::copiaParaGravacao(int n, const QList<qint64>& linhas) {
    atualizaGravacao(n, linhas, true);
}

void LinhasRail::apagaGravacao(int n, const QList<qint64>& linhas) {
    atualizaGravacao(n, linhas, false);
}

} // namespace tarsel
