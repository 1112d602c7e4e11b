#include "report/RelatorioRail.h"

#include "base/Globais.h"
#include "rails/JulgamentoRail.h"
#include "rails/MarcadoresRail.h"
#include "report/EnderecoRelatorio.h"
#include "store/Banco.h"

#include <QDate>
#include <QLocale>
#include <QSqlQuery>

namespace tarsel {

const QString RelatorioRail::Pagina = QStringLiteral("relatorio/index.php?");

QString RelatorioRail::status(const LinhaRelatorio& linha) {
    if (linha.Leitura == MarcadorSemMedicao())
        return QStringLiteral("0");
    if (linha.Leitura == MarcadorPulado || linha.Leitura.contains(QLatin1String("mA")) || linha.RefV.isEmpty())
        return QStringLiteral("1");
    switch (JulgamentoRail::julga(linha.Porc, 10)) {
    case JulgamentoRail::Juizo::SemDesvio:
        return QStringLiteral("3");
    case JulgamentoRail::Juizo::Fora:
        return QStringLiteral("0");
    case JulgamentoRail::Juizo::Dentro:
        break;
    }
    return QStringLiteral("1");
}

QString RelatorioRail::removeNumeracao(QString texto) {
    // Two-digit prefixes first, so that "12. " does not lose only its "2. ". Built once: this runs for
    // every value of the report.
    static const QStringList prefixos = [] {
        QStringList p;
        for (int n = 10; n <= 17; ++n)
            p << QString::number(n) + QStringLiteral(". ");
        for (int n = 1; n <= 9; ++n)
            p << QString::number(n) + QStringLiteral(". ");
        return p;
    }();
    if (!texto.contains(QLatin1String(". ")))
        return texto;
    for (const QString& prefixo : prefixos)
        texto.remove(prefixo);
    return texto;
}

QList<QPair<QString, QString>> RelatorioRail::pares(int tipo, const QList<LinhaRelatorio>& linhas, const QString& data,
                                                    quint8 idioma, const QString& modelo, const QString& nome) {
    const bool vcore = tipo == 0;
    QList<QPair<QString, QString>> r;
    r.reserve(linhas.size() * 5 + 5);
    int i = 1;
    for (const LinhaRelatorio& l : linhas) {
        const QString n = QString::number(i++);
        if (vcore)
            r.append({QStringLiteral("P") + n, l.Malha});
        r.append({QStringLiteral("L") + n, l.Leitura});
        r.append({QStringLiteral("R") + n, l.Ref});
        r.append({QStringLiteral("O") + n, l.Porc});
        r.append({QStringLiteral("I") + n, status(l)});
    }
    r.append({QStringLiteral("TIPO"), QString::number(tipo)});
    r.append({QStringLiteral("DATA"), data});
    r.append({QStringLiteral("IDIOMA"), QString::number(idioma)});
    r.append({QStringLiteral("MODELO"), modelo});
    r.append({QStringLiteral("EMP"), nome});
    // The VCore net names carry a list numbering ("3. PP_CPU") that the report must not show. The
    // prefixes cannot span a key and its value, so removing them value by value is the same as
    // removing them from the whole query.
    if (vcore) {
        for (auto& par : r)
            par.second = removeNumeracao(par.second);
    }
    return r;
}

QList<LinhaRelatorio> RelatorioRail::carregaLinhas(const QList<qint64>& ids) {
    QList<LinhaRelatorio> linhas;
    if (ids.isEmpty())
        return linhas;
    linhas.reserve(ids.size());
    Banco b(QString(), Banco::Modo::SomenteLeitura);
    const QString sql = QStringLiteral("select Malha, Leitura, Ref, Porc, RefV from Master where rowid = ?");
    for (const qint64 id : ids) {
        QSqlQuery q = b.executa(sql, {id});
        if (!q.next())
            continue;
        linhas.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                       q.value(4).toString()});
    }
    return linhas;
}

RelatorioPronto PreparaRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                                 const QString& numeroModelo, const QString& data) {
    const QList<LinhaRelatorio> l = RelatorioRail::carregaLinhas(linhas);
    const auto pares = RelatorioRail::pares(tipo, l, data, globais().IdiomaAtual, modelo, nome);
    QStringList malhas;
    for (const LinhaRelatorio& x : l)
        malhas << x.Malha;
    const EspecieRelatorio e =
        tipo == 0 ? EspecieRelatorio::VCore : (tipo == 1 ? EspecieRelatorio::Ldo : EspecieRelatorio::Buck);
    return {EnderecoRelatorio::monta(RelatorioRail::Pagina, pares),
            DocumentoRelatorio::dosPares(e, pares, malhas, numeroModelo)};
}

QString GeraRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                      const QString& data) {
    return EnderecoRelatorio::monta(
        RelatorioRail::Pagina,
        RelatorioRail::pares(tipo, RelatorioRail::carregaLinhas(linhas), data, globais().IdiomaAtual, modelo, nome));
}

RelatorioPronto PreparaRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome,
                                 const QString& numeroModelo) {
    return PreparaRelatorio(tipo, linhas, modelo, nome, numeroModelo,
                            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

QString GeraRelatorio(int tipo, const QList<qint64>& linhas, const QString& modelo, const QString& nome) {
    return GeraRelatorio(tipo, linhas, modelo, nome,
                         QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

} // namespace tarsel
