// The radio verdict of each radio on any power-on answer.

#include "Entrada.h"

#include "devicetests/RFsParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    for (int radio = 0; radio < RFsParse::TotalRadios; ++radio) {
        (void)RFsParse::Respondeu(radio, resposta);
        (void)RFsParse::Julga(radio, resposta);
    }
    return 0;
}
