// The chip value rule over each chip's line table, on the model family the input's length picks (the chip
// tables are kept per family).

#include "Entrada.h"
#include "Modelos.h"

#include "base/ErroVB.h"
#include "chips/RegrasAcorn.h"
#include "chips/RegrasChestnut.h"
#include "chips/RegrasTigris.h"
#include "chips/RegrasTristar.h"
#include "chips/ValorChip.h"

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const QStringList familias = fuzz::Familias();
    const int escolha = fuzz::Escolha(tamanho, 2 * int(familias.size()));
    const QString& modelo = familias.at(escolha / 2);
    const bool timeoutSemMedicao = escolha % 2 == 0;
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);

    (void)RegrasAcorn::Le(resposta);
    (void)RegrasChestnut::Le(resposta);
    (void)RegrasTigris::Le(modelo, resposta);
    (void)RegrasTristar::Le(modelo, resposta);
    for (const QVector<LinhaChip>& linhas : {RegrasAcorn::LinhasAcorn(), RegrasChestnut::Linhas(),
                                             RegrasTigris::Linhas(modelo), RegrasTristar::LinhasDoModelo(modelo)}) {
        (void)LeChip(resposta, linhas, timeoutSemMedicao);
        for (const LinhaChip& l : linhas) {
            const QString valor = ValorChip(resposta, l.chave, timeoutSemMedicao);
            if (l.referencia.isEmpty())
                continue;
            try {
                (void)DesvioInteiro(valor, l.referencia);
            } catch (const ErroVB&) {
            }
        }
    }
    return 0;
}
