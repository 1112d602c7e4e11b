// The colour command built from the text typed in the field, for every family and colour button.

#include "Entrada.h"
#include "Modelos.h"

#include "devicetests/DisplaysParse.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const QStringList familias = fuzz::Familias();
    static const QStringList botoes = DisplaysParse::NomesCores() + QStringList{QStringLiteral("Cor_Nenhuma")};
    const int familia = fuzz::Escolha(tamanho, familias.size());
    // The field's text is what the technician types (Unicode), so UTF-8 here.
    const QString texto = fuzz::TextoServidor(dados, tamanho);
    for (const QString& botao : botoes)
        (void)DisplaysParse::Cor(familias.at(familia), texto, botao);
    return 0;
}
