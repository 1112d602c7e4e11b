// The codec reset verdict and the memory test verdict of the additional tests on any answer.

#include "Entrada.h"

#include "devicetests/AdicionaisParse.h"
#include "devicetests/CodecParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    (void)CodecParse::Passou(resposta);
    (void)AdicionaisParse::Veredito(resposta);
    return 0;
}
