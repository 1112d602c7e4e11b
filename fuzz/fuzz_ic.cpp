// The USB interface chip test verdict at every look of its wait.

#include "Entrada.h"

#include "devicetests/ICParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    for (int tiques : {1, ICParse::LimiteTiques - 1, ICParse::LimiteTiques, ICParse::LimiteTiques + 1})
        (void)ICParse::Veredito(resposta, tiques);
    return 0;
}
