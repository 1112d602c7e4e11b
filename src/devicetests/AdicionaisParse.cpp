#include "devicetests/AdicionaisParse.h"

#include "base/Traducao.h"

namespace tarsel::AdicionaisParse {

QString Comando(int indice) {
    if (indice == TesteRam)
        return QStringLiteral("testmemory");
    if (indice == TesteRam1MB)
        return QStringLiteral("testmemory --1MB");
    return {};
}

QString Legenda(int indice) {
    const QString base = QStringLiteral("MEM RAM ") + Traduz(QStringLiteral("Teste"));
    if (indice == TesteRam)
        return base;
    if (indice == TesteRam1MB)
        return base + QStringLiteral(" 1MB");
    return {};
}

bool CopiaAoVivo(int indice) {
    return indice == TesteRam1MB;
}

QString TextoEspera() {
    return Traduz(QStringLiteral("TESTE 15s")) + QStringLiteral("\r\n");
}

std::optional<bool> Veredito(const QString& resposta) {
    if (resposta.size() < TamanhoMinimo)
        return std::nullopt;
    return resposta.contains(QLatin1String("Pass"), Qt::CaseSensitive);
}

QString AvisoSemEnvio(bool conectado) {
    return conectado ? Traduz(QStringLiteral("Aguarde...")) : Traduz(QStringLiteral("Desconectado")) + u'!';
}

} // namespace tarsel::AdicionaisParse
