#include "report/DocumentoRelatorio.h"

#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "report/EnderecoRelatorio.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace tarsel {

namespace {

bool RelatorioDeChip(EspecieRelatorio e) {
    return e == EspecieRelatorio::Chestnut || e == EspecieRelatorio::Acorn;
}

LinhaDocumento::Situacao SituacaoDoDigito(const QString& digito) {
    if (digito == QLatin1String("1"))
        return LinhaDocumento::Situacao::Aprovado;
    if (digito == QLatin1String("3"))
        return LinhaDocumento::Situacao::SemDesvio;
    return LinhaDocumento::Situacao::Reprovado;
}

} // namespace

DocumentoRelatorio DocumentoRelatorio::dosPares(EspecieRelatorio especie, const QList<QPair<QString, QString>>& pares,
                                                const QStringList& malhas, const QString& numeroModelo) {
    DocumentoRelatorio d;
    d.especie = especie;
    d.numeroModelo = numeroModelo;
    const bool chip = RelatorioDeChip(especie);
    // The deviation is "O<i>" in the rail reports and "P<i>" in the chip reports, where "P" is free; the
    // rail reports use "P<i>" for the net name.
    const QChar chaveMalha = chip ? QLatin1Char('M') : QLatin1Char('P');
    const QChar chaveDesvio = chip ? QLatin1Char('P') : QLatin1Char('O');
    static const QRegularExpression linha(QStringLiteral("^([A-Z])([1-9][0-9]*)$"));
    QMap<int, LinhaDocumento> porIndice;
    QSet<int> comMalha; // rows whose net name was sent, even empty: the page shows it as sent
    for (const auto& [chave, valor] : pares) {
        if (chave == QLatin1String("DATA"))
            d.data = valor;
        else if (chave == QLatin1String("IDIOMA"))
            d.idioma = static_cast<quint8>(valor.toUInt());
        else if (chave == QLatin1String("MODELO"))
            d.familia = valor;
        else if (chave == QLatin1String("EMP"))
            d.nome = valor;
        else if (const auto m = linha.match(chave); m.hasMatch()) {
            bool ok = false;
            const int indice = m.captured(2).toInt(&ok);
            if (!ok) // a row number no report reaches: not a row of this one
                continue;
            LinhaDocumento& l = porIndice[indice];
            const QChar c = m.captured(1).at(0);
            if (c == chaveMalha) {
                l.malha = valor;
                comMalha.insert(indice);
            } else if (c == QLatin1Char('L'))
                l.leitura = valor;
            else if (c == QLatin1Char('R'))
                l.referencia = valor;
            else if (c == chaveDesvio)
                l.desvio = valor;
            else if (c == QLatin1Char('I'))
                l.situacao = SituacaoDoDigito(valor);
        }
    }
    for (auto it = porIndice.begin(); it != porIndice.end(); ++it) {
        if (!comMalha.contains(it.key()) && it.key() - 1 < malhas.size())
            it->malha = malhas.at(it.key() - 1);
        d.linhas.append(*it);
    }
    return d;
}

QString DocumentoRelatorio::nomeEspecie() const {
    switch (especie) {
    case EspecieRelatorio::VCore:
        return QStringLiteral("VCORE");
    case EspecieRelatorio::Ldo:
        return QStringLiteral("LDO");
    case EspecieRelatorio::Buck:
        return QStringLiteral("BUCK");
    case EspecieRelatorio::Chestnut:
        return QStringLiteral("Chestnut");
    case EspecieRelatorio::Acorn:
        return QStringLiteral("Acorn");
    }
    return {};
}

QString DocumentoRelatorio::arquivoPadrao(const QDateTime& quando) const {
    static const QRegularExpression fora(QStringLiteral("[^A-Za-z0-9_-]"));
    QString numero = numeroModelo;
    numero.remove(fora);
    if (numero.isEmpty())
        numero = QStringLiteral("sem-modelo");
    return QStringLiteral("relatorios/%1-%2-%3.pdf")
        .arg(nomeEspecie().toLower(), numero, quando.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}

QString DocumentoRelatorio::rotulo(const QString& chave) const {
    const std::optional<QString> t = TextoTraducao(chave, idioma);
    return t && !t->isEmpty() ? *t : chave;
}

QString DocumentoRelatorio::textoSituacao(LinhaDocumento::Situacao s) const {
    switch (s) {
    case LinhaDocumento::Situacao::Aprovado:
        return rotulo(QStringLiteral("Aprovado"));
    case LinhaDocumento::Situacao::Reprovado:
        return rotulo(QStringLiteral("Reprovado"));
    case LinhaDocumento::Situacao::SemDesvio:
        return rotulo(QStringLiteral("Sem desvio"));
    }
    return {};
}

bool ServidorRelatorioResponde() {
    OpcoesHttp o;
    o.prazoTotalMs = PrazoServidorRelatorioMs;
    o.prazoTransferenciaMs = PrazoServidorRelatorioMs;
    o.limiteBytes = 64 * 1024;
    // Any status counts: a server that answers 404 for its base address still serves the report pages.
    return ObtemPagina(QUrl(EnderecoRelatorio::servidor()), o).status > 0;
}

} // namespace tarsel
