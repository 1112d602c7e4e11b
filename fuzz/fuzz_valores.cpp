// The value text functions on any text: only ErroVB (the documented failure) may come out.

#include "Entrada.h"

#include "base/ErroVB.h"
#include "base/Valores.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const int decimais = fuzz::Escolha(tamanho, 6) - 1;
    const QString texto = fuzz::TextoAparelho(dados, tamanho);
    const QStringList partes = fuzz::Partes(texto, 2);
    try {
        (void)MilivoltParaVolt(texto);
    } catch (const ErroVB&) {
    }
    try {
        QString copia = texto;
        (void)UmaDecimal(copia);
    } catch (const ErroVB&) {
    }
    try {
        QString copia = texto;
        (void)CortaDecimais(copia, decimais);
    } catch (const ErroVB&) {
    }
    try {
        (void)DesvioPercentual(partes.at(0), partes.at(1));
    } catch (const ErroVB&) {
    }
    (void)SemEspacos(texto);
    return 0;
}
