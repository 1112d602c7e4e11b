#include "chips/LeituraChip.h"

#include "base/ErroVB.h"
#include "base/Traducao.h"
#include "base/Valores.h"
#include "chips/ValorChip.h"

namespace tarsel {

namespace {
const QString CorAceita = QStringLiteral("&H00C0FFC0");
const QString CorBaixa = QStringLiteral("&H0080FFFF");
const QString CorBranca = QStringLiteral("&H00FFFFFF");

// The colour of a measured value; marks the line's low marker when it is low.
QString julga(const LinhaChip& l, const QString& valor, LeituraChip& leitura) {
    auto baixa = [&] {
        if (l.marcador > 0)
            leitura.baixas.insert(l.marcador);
        return CorBaixa;
    };
    switch (l.regra) {
    case RegraChip::Nenhuma:
        return {};
    case RegraChip::SempreAceita:
        return CorAceita;
    case RegraChip::BrancoSeBaixa:
        return leitura.baixas.contains(l.marcador) ? CorBranca : CorAceita;
    case RegraChip::DesvioMinimo:
        return DesvioInteiro(valor, l.referencia) >= l.limite ? CorAceita : baixa();
    case RegraChip::DesvioAcima:
        return DesvioInteiro(valor, l.referencia) > l.limite ? CorAceita : baixa();
    }
    return {};
}
} // namespace

LeituraChip LeChip(const QString& resposta, const QVector<LinhaChip>& linhas, bool timeoutSemMedicao) {
    LeituraChip leitura;
    for (const LinhaChip& l : linhas) {
        CampoChip campo;
        // One unreadable line never stops the others: it shows as not measured.
        try {
            QString valor = ValorChip(resposta, l.chave, timeoutSemMedicao);
            if (valor != QLatin1String("-")) {
                campo.cor = julga(l, valor, leitura);
                QString texto = valor;
                campo.texto = (l.formato == FormatoChip::UmaDecimal ? UmaDecimal(texto) : valor) + l.unidade;
            }
        } catch (const ErroVB&) {
            campo = {};
        }
        if (campo.texto.isEmpty()) {
            campo.texto = Traduz(QStringLiteral("Sem Medição"));
            campo.semMedicao = true;
            leitura.campos.insert(l.campo, campo);
            continue;
        }
        leitura.campos.insert(l.campo, campo);
        for (const QString& copia : l.copias)
            leitura.campos.insert(copia, campo);
    }
    return leitura;
}

} // namespace tarsel
