// The NAND size answer read as a capacity, and the verdict of each NAND test on any answer.

#include "Entrada.h"

#include "devicetests/NandParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    (void)NandParse::Capacidade(resposta);
    (void)NandParse::ClasseCapacidade(NandParse::LeHexadecimal(resposta));
    for (int tipo : {NandParse::TesteUid, NandParse::TesteTamanho, NandParse::TesteInfo, NandParse::TesteSyscfg})
        (void)NandParse::Julga(tipo, resposta);
    return 0;
}
