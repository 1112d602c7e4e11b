#include "devicetests/BateriaParse.h"

#include "base/Traducao.h"

#include <cmath>

namespace tarsel::BateriaParse {

namespace {

const QString Faltando = QStringLiteral("*");

struct Campo {
    const char* descricao;
    const char* chave;   // key in the gauge answer; none for the computed health
    const char* unidade; // unit as read, and as shown
    const char* unidadeMostrada;
};

const Campo Campos[TotalLinhas] = {
    {"SAUDE DA BATERIA", nullptr, nullptr, nullptr},
    {"CICLOS DE CARGA", "cycle-count:", nullptr, nullptr},
    {"PORCENTAGEM DE CARGA", "charge-percentage:", nullptr, nullptr},
    {"CAPACIDADE DESIGNADA", "design-capacity:", "mAh", " mAh"},
    {"CAPACIDADE ATUAL", "nominal-capacity:", "mAh", " mAh"},
    {"VOLTAGEM", "voltage:", "mV", " mV"},
    {"CORRENTE", "current:", nullptr, nullptr},
    {"TEMPERATURA", "temperature:", "C", " C\u00ba"},
};

// A capacity in mAh as a number; nothing for anything else.
std::optional<double> Capacidade(const QString& valor) {
    if (!valor.endsWith(QLatin1String("mAh")))
        return std::nullopt;
    bool ok = false;
    const double v = valor.chopped(3).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

QString ChaveDescricao(int linha) {
    if (linha < 0 || linha >= TotalLinhas)
        return {};
    return QLatin1String(Campos[linha].descricao);
}

std::optional<QString> Valor(const QString& resposta, const QString& chave) {
    const qsizetype p = resposta.indexOf(chave);
    if (p < 0)
        return std::nullopt;
    // The line ends at its CR; an answer whose line ends were reduced to LF ends there as well.
    qsizetype fim = -1;
    for (qsizetype i = p + chave.size(); i < resposta.size(); ++i) {
        if (resposta.at(i) == u'\r' || resposta.at(i) == u'\n') {
            fim = i;
            break;
        }
    }
    if (fim < 0)
        return std::nullopt;
    QString valor = resposta.mid(p + chave.size(), fim - p - chave.size()).trimmed();
    if (valor.size() >= 2 && valor.startsWith(u'"') && valor.endsWith(u'"'))
        valor = valor.mid(1, valor.size() - 2);
    if (valor.isEmpty())
        return std::nullopt;
    return valor;
}

std::optional<QString> CalculaSaude(const QString& resposta) {
    const auto designada = Valor(resposta, QLatin1String(Campos[CapacidadeDesignada].chave));
    const auto atual = Valor(resposta, QLatin1String(Campos[CapacidadeAtual].chave));
    if (!designada || !atual)
        return std::nullopt;
    const auto d = Capacidade(*designada);
    const auto n = Capacidade(*atual);
    if (!d || !n || *d <= 0)
        return QString();
    const double saude = std::trunc(*n / (*d / 100.0));
    // A capacity of twenty digits gives a figure no integer holds: no reading either, like one that is
    // not a number.
    constexpr double Limite = 9.0e18;
    if (!std::isfinite(saude) || std::abs(saude) >= Limite)
        return QString();
    return QString::number(qint64(saude)) + QStringLiteral(" %");
}

Leitura Organiza(const QString& resposta) {
    Leitura l;
    for (int i = Ciclos; i < TotalLinhas; ++i) {
        const Campo& c = Campos[i];
        const auto v = Valor(resposta, QLatin1String(c.chave));
        if (!v) {
            l.valores[i] = Faltando;
            l.faltou = true;
            continue;
        }
        QString texto = *v;
        if (c.unidade)
            texto.replace(QLatin1String(c.unidade), QString::fromUtf8(c.unidadeMostrada));
        l.valores[i] = u' ' + texto;
    }
    const auto saude = CalculaSaude(resposta);
    if (!saude) {
        l.valores[Saude] = Faltando;
        // A missing design capacity already counts as a missing figure of its own row.
        if (!Valor(resposta, QLatin1String(Campos[CapacidadeDesignada].chave)))
            l.faltou = true;
    } else {
        l.valores[Saude] = saude->isEmpty() ? QString() : u' ' + *saude;
    }
    return l;
}

QString Nota(const QString& familia) {
    const QString motivo = familia.startsWith(QLatin1String("IP 6"))
                               ? Traduz(QStringLiteral("NAO_DISP_PARA_ESSE_MODELO"))
                               : Traduz(QStringLiteral("Sem Medição"));
    return QStringLiteral("* ") + motivo.toUpper();
}

} // namespace tarsel::BateriaParse
