// The I2C scan judgement: every known device (and an unknown code) against any scan answer.

#include "Entrada.h"

#include "devicetests/ModuloI2C.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const QStringList codigos = ModuloI2C::CodigosConhecidos() + QStringList{QStringLiteral("999"), QString()};
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    if (ModuloI2C::SemResposta(resposta))
        return 0;
    const QList<ModuloI2C::DispositivoI2C> dispositivos = ModuloI2C::Analisa(codigos, resposta);
    (void)ModuloI2C::AlgumAusente(dispositivos);
    for (const ModuloI2C::DispositivoI2C& d : dispositivos)
        (void)ModuloI2C::LinhaResultado(d);
    // A device text straight from the answer: the key and description rules take any text.
    (void)ModuloI2C::ChaveEndereco(resposta);
    (void)ModuloI2C::Descricao(resposta);
    (void)ModuloI2C::NomeDispositivoI2C(resposta.left(4));
    return 0;
}
