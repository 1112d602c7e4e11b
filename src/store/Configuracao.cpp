#include "store/Configuracao.h"

#include "base/ErroVB.h"
#include "store/Banco.h"

#include <QSqlQuery>

namespace tarsel {

namespace {
QString colunaCombo(int n) {
    if (n < 1 || n > 10)
        throw ErroVB(9, QStringLiteral("Combo%1: subscript out of range").arg(n));
    return QStringLiteral("Combo%1").arg(n);
}

// "The first row" of a one-row table: the oldest one.
const QString PrimeiraLinha = QStringLiteral("rowid = (select min(rowid) from %1)");
} // namespace

void GravaCombo(int n, const QString& texto) {
    const QString coluna = colunaCombo(n);
    Banco b;
    QSqlQuery q = b.executa(QStringLiteral("update Combos set %1 = ? where ").arg(coluna) +
                                PrimeiraLinha.arg(QStringLiteral("Combos")),
                            {texto});
    if (q.numRowsAffected() == 0)
        b.executa(QStringLiteral("insert into Combos (%1) values (?)").arg(coluna), {texto});
}

QString LeCombo(int n) {
    const QString coluna = colunaCombo(n);
    Banco b;
    return b.valor(QStringLiteral("select %1 from Combos order by rowid limit 1").arg(coluna)).toString();
}

QString LeNome() {
    try {
        Banco b;
        return b.valor(QStringLiteral("select Nome from Tools order by rowid limit 1")).toString();
    } catch (const ErroVB&) {
        return {};
    }
}

void GravaNome(const QString& texto) {
    try {
        Banco b;
        b.executa(QStringLiteral("update Tools set Nome = ? where ") + PrimeiraLinha.arg(QStringLiteral("Tools")),
                  {texto});
    } catch (const ErroVB&) {
    }
}

quint8 LeIdioma() {
    try {
        Banco b;
        bool ok = false;
        const int v =
            b.valor(QStringLiteral("select Idioma from Tools order by rowid limit 1")).toString().trimmed().toInt(&ok);
        return ok && v >= 0 && v <= 255 ? quint8(v) : 0;
    } catch (const ErroVB&) {
        return 0;
    }
}

void GravaIdioma(quint8 idioma) {
    try {
        Banco b;
        b.executa(QStringLiteral("update Tools set Idioma = ? where ") + PrimeiraLinha.arg(QStringLiteral("Tools")),
                  {QString::number(idioma)});
    } catch (const ErroVB&) {
    }
}

EscolhaRegistro LeEscolhaRegistro() {
    EscolhaRegistro e;
    try {
        Banco b;
        const QVariant ativo = b.valor(QStringLiteral("select RegistroSessao from Tools order by rowid limit 1"));
        if (!ativo.isNull())
            e.ativo = ativo.toInt() != 0;
        bool ok = false;
        const int dias = b.valor(QStringLiteral("select DiasRegistro from Tools order by rowid limit 1")).toInt(&ok);
        if (ok)
            e.dias = dias;
    } catch (const ErroVB&) {
    }
    return e;
}

bool GravaRegistroAtivo(bool ativo) {
    try {
        Banco b;
        b.executa(QStringLiteral("update Tools set RegistroSessao = ? where ") +
                      PrimeiraLinha.arg(QStringLiteral("Tools")),
                  {ativo ? 1 : 0});
        return true;
    } catch (const ErroVB&) {
        return false;
    }
}

bool LeReligaAposPerda() {
    try {
        Banco b;
        return b.valor(QStringLiteral("select ReligaAposPerda from Tools order by rowid limit 1")).toInt() != 0;
    } catch (const ErroVB&) {
        return false;
    }
}

bool GravaReligaAposPerda(bool ativa) {
    try {
        Banco b;
        b.executa(QStringLiteral("update Tools set ReligaAposPerda = ? where ") +
                      PrimeiraLinha.arg(QStringLiteral("Tools")),
                  {ativa ? 1 : 0});
        return true;
    } catch (const ErroVB&) {
        return false;
    }
}

} // namespace tarsel
