// The battery gauge answer: the eight figures, the health and each key's value.

#include "Entrada.h"

#include "devicetests/BateriaParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    (void)BateriaParse::Organiza(resposta);
    (void)BateriaParse::CalculaSaude(resposta);
    // A key taken from the answer itself: the value search must hold for any key too.
    const qsizetype espaco = resposta.indexOf(QLatin1Char(' '));
    if (espaco > 0)
        (void)BateriaParse::Valor(resposta, resposta.left(espaco));
    return 0;
}
