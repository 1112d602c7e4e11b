#include "rails/JulgamentoRail.h"

#include "base/Valores.h"

#include <cmath>

namespace tarsel {

std::optional<qint64> JulgamentoRail::parteInteira(const QString& porc) {
    QString texto = porc;
    texto.remove(QLatin1Char('%'));
    texto.remove(QLatin1Char(' '));
    const QString parte = CortaDecimais(texto, -1);
    bool ok = false;
    const qint64 u = parte.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return u;
}

JulgamentoRail::Juizo JulgamentoRail::julga(const QString& porc, double tolerancia) {
    const auto u = parteInteira(porc);
    if (!u)
        return Juizo::SemDesvio;
    const double v = double(*u);
    return (-tolerancia < v && v < tolerancia) ? Juizo::Dentro : Juizo::Fora;
}

std::optional<double> JulgamentoRail::numero(const QString& texto) {
    QString t = texto.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString JulgamentoRail::normalizaTolerancia(const QString& texto) {
    const auto v = numero(texto);
    if (!v || *v < 0 || *v > 100)
        return QStringLiteral("10");
    return QString::number(qint64(std::trunc(*v)));
}

JulgamentoRail::Tolerancia JulgamentoRail::toleranciaDaLeitura(const QString& texto) {
    // Both checks: a text such as "5 %" has a whole part but is no number, "1e3" is a number without a
    // whole part in digits; either would be shown as one tolerance and judged with another.
    const auto v = numero(texto);
    if (!v || !parteInteira(texto))
        return {QStringLiteral("10"), ToleranciaPadrao};
    return {texto, *v};
}

} // namespace tarsel
