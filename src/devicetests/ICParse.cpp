#include "devicetests/ICParse.h"

#include "base/Traducao.h"

namespace tarsel::ICParse {

namespace {
QString PalavraChip(const QString& familia) {
    return NomeChip(familia) + u' ';
}
} // namespace

QString Comando(int indice) {
    if (indice == TesteDados)
        return QStringLiteral("tristar -p");
    if (indice == TesteComunicacao)
        return QStringLiteral("tristar --read dx1 --read dx2  --read acc1  --read acc2  --read idx --read vdx");
    return {};
}

QString NomeChip(const QString& familia) {
    if (familia == QLatin1String("IP 8") || familia == QLatin1String("IP 8 Plus") || familia == QLatin1String("IP X"))
        return QStringLiteral("HYDRA");
    return QStringLiteral("TRISTAR");
}

QString LegendaDados(const QString& familia) {
    return PalavraChip(familia) + Traduz(QStringLiteral("Dados"));
}

QString LegendaComunicacao(const QString& familia) {
    return PalavraChip(familia) + Traduz(QStringLiteral("Comunicação"));
}

QString LegendaTristar(const QString& familia) {
    return PalavraChip(familia) + Traduz(QStringLiteral("Tensões"));
}

QString LegendaTigris() {
    return QStringLiteral("TIGRIS ") + Traduz(QStringLiteral("Tensões"));
}

std::optional<bool> Veredito(const QString& resposta, int tiques) {
    if (resposta.size() < TamanhoMinimo)
        return tiques >= LimiteTiques ? std::optional<bool>(false) : std::nullopt;
    return resposta.size() >= TamanhoComunicacao;
}

QString AvisoSemEnvio(bool conectado) {
    return conectado ? Traduz(QStringLiteral("Aguarde...")) : Traduz(QStringLiteral("Desconectado")) + u'!';
}

} // namespace tarsel::ICParse
