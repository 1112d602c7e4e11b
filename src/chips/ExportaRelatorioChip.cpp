#include "chips/ExportaRelatorioChip.h"

#include "base/Dialogos.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "store/Configuracao.h"
#include "tela/RelatorioPdf.h"

#include <QLabel>
#include <QSet>

namespace tarsel {

void ExportaRelatorioChip(const QString& pagina, const QVector<EntradaRelatorioChip>& entradas,
                          const QMap<QString, QLabel*>& campos, const QMap<int, QLabel*>& ok, const QString& modelo,
                          const QString& numeroModelo, bool comoPdf) {
    // The captions are taken before the name box: a reading that lands while it is open must not change
    // the report.
    QMap<QString, QString> legendas;
    for (auto it = campos.cbegin(); it != campos.cend(); ++it)
        legendas.insert(it.key(), it.value()->text());
    QSet<int> aprovados;
    for (auto it = ok.cbegin(); it != ok.cend(); ++it)
        if (!it.value()->isHidden())
            aprovados.insert(it.key());
    const QString data = RelatorioChip::dataDeHoje();
    const auto nome = dialogos().entrada(Traduz(QStringLiteral("Relatório")) + QStringLiteral(" - PDF"),
                                         Traduz(QStringLiteral("DIGITE SEU NOME")), LeNome());
    if (!nome)
        return;
    GravaNome(*nome);
    const auto pares = RelatorioChip::pares(
        entradas, [&](const QString& c) { return legendas.value(c); }, [&](int i) { return aprovados.contains(i); },
        data, globais().IdiomaAtual, modelo, *nome);
    EntregaRelatorio(RelatorioChip::prepara(pagina, pares, numeroModelo), comoPdf);
}

} // namespace tarsel
