// The report builders: the document read back from any key/value pairs, its file name, the encoding of a
// query value, and the rail report's pairs read back into the same rows. The input is lines: "key=value"
// pairs as they come, and the same lines as rail rows of tab-separated fields (net, reading, reference,
// deviation, reference voltage). Readings come from the phone and the name from the user: any text.

#include "Entrada.h"

#include "report/DocumentoRelatorio.h"
#include "report/EnderecoRelatorio.h"
#include "report/RelatorioRail.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

using namespace tarsel;

namespace {

[[noreturn]] void falha(const char* regra, const QString& detalhe) {
    std::fprintf(stderr, "broken: %s: %s\n", regra, qPrintable(detalhe.left(300)));
    std::abort();
}

// A value must come back whole from the query, and nothing in it may end or add a key.
void confereCodificacao(const QString& valor) {
    static const QRegularExpression permitido(QStringLiteral("^[A-Za-z0-9._~*,/:%-]*$"));
    const QString codificado = EnderecoRelatorio::codifica(valor);
    if (!permitido.match(codificado).hasMatch())
        falha("encoded value holds a character that is not allowed", codificado);
    if (QUrl::fromPercentEncoding(codificado.toLatin1()) != valor)
        falha("encoded value does not decode to itself", valor);
}

LinhaDocumento::Situacao situacaoDoStatus(const QString& status) {
    if (status == QLatin1String("1"))
        return LinhaDocumento::Situacao::Aprovado;
    if (status == QLatin1String("3"))
        return LinhaDocumento::Situacao::SemDesvio;
    return LinhaDocumento::Situacao::Reprovado;
}

EspecieRelatorio especieDoTipo(int tipo) {
    return tipo == 0 ? EspecieRelatorio::VCore : (tipo == 1 ? EspecieRelatorio::Ldo : EspecieRelatorio::Buck);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const QStringList malhasFixas = {QStringLiteral("PP1V8"), QStringLiteral("PP_CPU"),
                                            QStringLiteral("3. PP_GPU")};
    static const QDateTime quando(QDate(2026, 1, 2), QTime(3, 4, 5));
    static const QRegularExpression nomeArquivo(
        QStringLiteral("^relatorios/(vcore|ldo|buck|chestnut|acorn)-[A-Za-z0-9_-]+-20260102-030405\\.pdf$"));

    const QString texto = fuzz::TextoServidor(dados, tamanho);
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    const int escolha = fuzz::Escolha(tamanho, 5);

    // Any pairs, as a report page could be asked for.
    QList<QPair<QString, QString>> pares;
    for (const QString& l : linhas) {
        const qsizetype igual = l.indexOf(QLatin1Char('='));
        pares.append(igual < 0 ? qMakePair(l, QString()) : qMakePair(l.left(igual), l.mid(igual + 1)));
        confereCodificacao(pares.last().second);
    }
    const DocumentoRelatorio livre =
        DocumentoRelatorio::dosPares(static_cast<EspecieRelatorio>(escolha), pares, malhasFixas, linhas.first());
    const QString arquivo = livre.arquivoPadrao(quando);
    if (!nomeArquivo.match(arquivo).hasMatch())
        falha("report file name leaves its folder or its form", arquivo);
    for (const LinhaDocumento& l : livre.linhas)
        (void)livre.textoSituacao(l.situacao);
    (void)livre.rotulo(linhas.last());

    // The same lines as rail rows: the document read back from the web report's pairs shows the rows sent.
    QList<LinhaRelatorio> rows;
    QStringList malhas;
    for (const QString& l : linhas) {
        QStringList campos = l.split(QLatin1Char('\t'));
        while (campos.size() < 5)
            campos.append(QString());
        rows.append({campos[0], campos[1], campos[2], campos[3], campos[4]});
        malhas << campos[0];
    }
    const int tipo = escolha % 3;
    const bool vcore = tipo == 0;
    const QString nome = linhas.last();
    const auto paresRail =
        RelatorioRail::pares(tipo, rows, QStringLiteral("02/01/2026"), 2, QStringLiteral("IP 7"), nome);
    const DocumentoRelatorio doc = DocumentoRelatorio::dosPares(especieDoTipo(tipo), paresRail, malhas, texto.left(20));
    if (doc.linhas.size() != rows.size())
        falha("rail report rows lost or added", QString::number(doc.linhas.size()));
    const auto enviado = [vcore](const QString& v) { return vcore ? RelatorioRail::removeNumeracao(v) : v; };
    for (int i = 0; i < rows.size(); ++i) {
        const LinhaRelatorio& r = rows.at(i);
        const LinhaDocumento& d = doc.linhas.at(i);
        if (d.leitura != enviado(r.Leitura) || d.referencia != enviado(r.Ref) || d.desvio != enviado(r.Porc))
            falha("rail report row differs from the page's", r.Malha);
        if (d.malha != enviado(r.Malha))
            falha("rail report net name differs from the page's", r.Malha);
        if (d.situacao != situacaoDoStatus(RelatorioRail::status(r)))
            falha("rail report verdict differs from the page's", r.Leitura);
    }
    if (doc.nome != enviado(nome) || doc.idioma != 2 || doc.familia != QLatin1String("IP 7"))
        falha("rail report heading differs from the page's", doc.nome);
    for (const auto& [chave, valor] : paresRail)
        confereCodificacao(valor);
    return 0;
}
