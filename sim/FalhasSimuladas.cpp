#include "FalhasSimuladas.h"

namespace tarsel {

namespace {

struct Falha {
    const char* nome;
    bool FalhasSimuladas::*campo;
};

const Falha tabelaFalhas[] = {
    {"silencioso", &FalhasSimuladas::silencioso},
    {"recusa-modelo", &FalhasSimuladas::recusaModelo},
    {"recusa-modelo-uma-vez", &FalhasSimuladas::recusaModeloUmaVez},
    {"driver-ausente", &FalhasSimuladas::driverAusente},
    {"nao-encontrado", &FalhasSimuladas::naoEncontrado},
    {"sem-fim", &FalhasSimuladas::semFim},
    {"pausa", &FalhasSimuladas::pausa},
    {"lixo", &FalhasSimuladas::lixo},
    {"desliga", &FalhasSimuladas::desliga},
    {"curto-rail", &FalhasSimuladas::curtoRail},
    {"alto-rail", &FalhasSimuladas::altoRail},
    {"sem-linha", &FalhasSimuladas::semLinha},
    {"vbus-baixa", &FalhasSimuladas::vbusBaixa},
    {"bateria-baixa", &FalhasSimuladas::bateriaBaixa},
    {"bateria-sem-ciclos", &FalhasSimuladas::bateriaSemCiclos},
    {"codec-sem-ok", &FalhasSimuladas::codecSemOk},
    {"ram-falha", &FalhasSimuladas::ramFalha},
    {"tristar-sem-resposta", &FalhasSimuladas::tristarSemResposta},
    {"nand-erro", &FalhasSimuladas::nandErro},
    {"nand-sem-driver", &FalhasSimuladas::nandSemDriver},
    {"touch-baixo", &FalhasSimuladas::touchBaixo},
    {"touch-morto", &FalhasSimuladas::touchMorto},
    {"acorn-vp-baixa", &FalhasSimuladas::acornVpBaixa},
    {"chip-sem-linha", &FalhasSimuladas::chipSemLinha},
    {"chip-timeout", &FalhasSimuladas::chipTimeout},
    {"i2c-ausente", &FalhasSimuladas::i2cAusente},
    {"radio-mudo", &FalhasSimuladas::radioMudo},
};

} // namespace

bool FalhasSimuladas::liga(const QString& nome) {
    // A faulty board: one rail shorted, another 15 % high, a third missing from the report.
    if (nome == QLatin1String("placa-defeituosa")) {
        curtoRail = altoRail = semLinha = true;
        return true;
    }
    for (const auto& falha : tabelaFalhas) {
        if (nome == QLatin1String(falha.nome)) {
            this->*falha.campo = true;
            return true;
        }
    }
    return false;
}

QStringList FalhasSimuladas::nomes() {
    QStringList lista;
    for (const auto& falha : tabelaFalhas)
        lista << QLatin1String(falha.nome);
    lista << QStringLiteral("placa-defeituosa");
    return lista;
}

} // namespace tarsel
