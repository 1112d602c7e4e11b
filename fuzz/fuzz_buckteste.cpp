// The phone's buck checks: the reading and the check answers, and the percentage typed for the check.

#include "Entrada.h"

#include "rails/BuckTesteParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    if (BuckTesteParse::Processavel(resposta)) {
        (void)BuckTesteParse::Analisa(BuckTesteParse::Modo::Leitura, resposta);
        (void)BuckTesteParse::Analisa(BuckTesteParse::Modo::Teste, resposta);
    }
    (void)BuckTesteParse::AnalisaLeitura(resposta);
    (void)BuckTesteParse::AnalisaTeste(resposta);
    (void)BuckTesteParse::ComandoTeste(resposta.left(8));
    (void)BuckTesteParse::TensaoAlvo(resposta.left(12));
    return 0;
}
