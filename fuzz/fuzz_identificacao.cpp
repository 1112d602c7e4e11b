// The model number read from the console after the model query, and its family.

#include "Entrada.h"

#include "link/Identificacao.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString console = fuzz::TextoAparelho(dados, tamanho);
    if (const auto numero = Identificacao::LeNumero(console))
        (void)Identificacao::FamiliaDoModelo(*numero);
    (void)Identificacao::FamiliaDoModelo(console);
    return 0;
}
