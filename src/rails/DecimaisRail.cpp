#include "rails/DecimaisRail.h"

#include "base/ErroVB.h"
#include "store/Configuracao.h"

namespace tarsel {

namespace {
std::optional<int> item(const QStringList& itens, const QString& texto) {
    if (!itens.contains(texto))
        return std::nullopt;
    return texto.toInt();
}

std::optional<int> grava(int coluna, const QStringList& itens, const QString& texto) {
    const auto valor = item(itens, texto);
    if (!valor)
        return std::nullopt;
    try {
        GravaCombo(coluna, texto);
    } catch (const ErroVB&) {
    }
    return valor;
}

std::optional<int> le(int coluna, const QStringList& itens) {
    try {
        return item(itens, LeCombo(coluna));
    } catch (const ErroVB&) {
        return std::nullopt;
    }
}
} // namespace

DecimaisRail DecimaisIniciais(TelaRail tela) {
    return tela == TelaRail::PMU ? DecimaisRail{3, 3} : DecimaisRail{3, 1};
}

const QStringList& ItensDecimaisVolt() {
    static const QStringList itens{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    return itens;
}

const QStringList& ItensDecimaisAmp() {
    static const QStringList itens{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    return itens;
}

int ColunaDecimaisVolt(TelaRail tela) {
    switch (tela) {
    case TelaRail::PMU:
        return 5;
    case TelaRail::BuckLdo:
        return 3;
    case TelaRail::VCore:
        break;
    }
    return 1;
}

int ColunaDecimaisAmp(TelaRail tela) {
    return ColunaDecimaisVolt(tela) + 1;
}

DecimaisRail CarregaDecimais(TelaRail tela, DecimaisRail atuais) {
    if (const auto v = le(ColunaDecimaisVolt(tela), ItensDecimaisVolt()))
        atuais.volt = *v;
    if (const auto a = le(ColunaDecimaisAmp(tela), ItensDecimaisAmp()))
        atuais.amp = *a;
    return atuais;
}

std::optional<int> GravaDecimaisVolt(TelaRail tela, const QString& texto) {
    return grava(ColunaDecimaisVolt(tela), ItensDecimaisVolt(), texto);
}

std::optional<int> GravaDecimaisAmp(TelaRail tela, const QString& texto) {
    return grava(ColunaDecimaisAmp(tela), ItensDecimaisAmp(), texto);
}

} // namespace tarsel
