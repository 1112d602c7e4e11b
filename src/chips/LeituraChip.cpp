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
    case RegraChip::DesvioDentro: {
        const int d = DesvioInteiro(valor, l.referencia);
        return d > -l.limite && d < l.limite ? CorAceita : baixa();
    }
    case RegraChip::AbaixoDoLimite: {
        const double d = l.desvioCortado ? DesvioInteiro(valor, l.referencia) : DesvioNumero(valor, l.referencia);
        return d < 0 ? QString() : baixa();
    }
    }
    return {};
}

void semValor(const LinhaChip& l, LeituraChip& leitura) {
    CampoChip campo;
    if (l.ausente == AusenteChip::Traco) {
        campo.texto = QStringLiteral("-") + l.unidade;
    } else {
        campo.texto = Traduz(QStringLiteral("Sem Medição"));
        campo.semMedicao = true;
    }
    if (l.falhaAusente) {
        campo.cor = CorBaixa;
        if (l.marcador > 0)
            leitura.baixas.insert(l.marcador);
        if (!l.campoPorcento.isEmpty())
            leitura.campos.insert(l.campoPorcento, {QString(), CorBaixa, false});
    }
    leitura.campos.insert(l.campo, campo);
}
} // namespace

LeituraChip LeChip(const QString& resposta, const QVector<LinhaChip>& linhas, bool timeoutSemMedicao) {
    LeituraChip leitura;
    for (const LinhaChip& l : linhas) {
        CampoChip campo;
        QString porcento;
        // One unreadable line never stops the others: it shows as not measured.
        try {
            QString valor = ValorChip(resposta, l.chave, timeoutSemMedicao);
            if (valor != QLatin1String("-")) {
                if (!l.campoPorcento.isEmpty())
                    porcento = DesvioPercentual(valor, l.referencia) + QStringLiteral(" %");
                campo.cor = julga(l, valor, leitura);
                QString texto = valor;
                campo.texto = (l.formato == FormatoChip::UmaDecimal ? UmaDecimal(texto) : valor) + l.unidade;
            }
        } catch (const ErroVB&) {
            campo = {};
        }
        if (campo.texto.isEmpty()) {
            semValor(l, leitura);
            continue;
        }
        if (!l.campoPorcento.isEmpty()) {
            // The percent carries the verdict; the value itself turns only when it is out.
            leitura.campos.insert(l.campoPorcento, {porcento, campo.cor, false});
            if (campo.cor != CorBaixa)
                campo.cor.clear();
        }
        leitura.campos.insert(l.campo, campo);
        for (const QString& copia : l.copias)
            leitura.campos.insert(copia, campo);
    }
    return leitura;
}

} // namespace tarsel
