#include "chips/RelatorioChip.h"

#include "report/EnderecoRelatorio.h"

#include <QDate>
#include <QLocale>

namespace tarsel {

const QString RelatorioChip::PaginaChestnut = QStringLiteral("relatorio/chest.php?");
const QString RelatorioChip::PaginaAcorn = QStringLiteral("relatorio/acorn.php?");

QList<QPair<QString, QString>> RelatorioChip::pares(const QVector<EntradaRelatorioChip>& entradas,
                                                    const std::function<QString(const QString&)>& legenda,
                                                    const std::function<bool(int)>& iconeOk, const QString& data,
                                                    quint8 idioma, const QString& modelo, const QString& nome) {
    QList<QPair<QString, QString>> r;
    const QString semValor = QStringLiteral("-");
    int k = 0;
    for (const EntradaRelatorioChip& e : entradas) {
        const QString n = QString::number(++k);
        QString leitura = legenda(e.campo);
        if (!e.campoCorrente.isEmpty())
            leitura += QStringLiteral("   (") + legenda(e.campoCorrente) + QLatin1Char(')');
        // The verdict is written as the digit the page reads; the screens' "True"/"False" never reach the
        // text, so nothing else in the query (the user's name above all) is rewritten.
        const QString status =
            e.icone < 0 ? e.statusFixo : (iconeOk(e.icone) ? QStringLiteral("1") : QStringLiteral("0"));
        r.append({QStringLiteral("M") + n, e.malha});
        r.append({QStringLiteral("L") + n, leitura});
        r.append({QStringLiteral("R") + n, e.referencia.isEmpty() ? semValor : e.referencia});
        r.append({QStringLiteral("P") + n, e.campoPorcento.isEmpty() ? semValor : legenda(e.campoPorcento)});
        r.append({QStringLiteral("I") + n, status});
    }
    r.append({QStringLiteral("DATA"), data});
    r.append({QStringLiteral("IDIOMA"), QString::number(idioma)});
    r.append({QStringLiteral("MODELO"), modelo});
    r.append({QStringLiteral("EMP"), nome});
    return r;
}

QString RelatorioChip::endereco(const QString& pagina, const QList<QPair<QString, QString>>& pares) {
    return EnderecoRelatorio::monta(pagina, pares);
}

RelatorioPronto RelatorioChip::prepara(const QString& pagina, const QList<QPair<QString, QString>>& pares,
                                       const QString& numeroModelo) {
    const EspecieRelatorio e = pagina == PaginaAcorn ? EspecieRelatorio::Acorn : EspecieRelatorio::Chestnut;
    return {endereco(pagina, pares), DocumentoRelatorio::dosPares(e, pares, {}, numeroModelo)};
}

QString RelatorioChip::dataDeHoje() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace tarsel
