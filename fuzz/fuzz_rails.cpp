// The rail parse of one screen (TARSEL_FUZZ_TELA) on any converter report: every row of a small table
// of real line codes and references is read from the answer.

#include "Entrada.h"

#include "base/ErroVB.h"
#include "rails/ParseRails.h"

using namespace tarsel;

namespace {

LinhaRail linha(const char* refT, const char* refV, const char* orig = "", const char* malha = "") {
    LinhaRail l;
    l.RefT = QString::fromLatin1(refT);
    l.RefV = QString::fromLatin1(refV);
    l.Orig = QString::fromLatin1(orig);
    l.Malha = QString::fromLatin1(malha);
    return l;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    static const QList<LinhaRail> linhas = {
        linha("0", "0.750"),
        linha("1", "1.100"),
        linha("5", "1.800"),
        linha("13", "1.8"),
        linha("20", "12,3"),
        linha("40", "3.000"),
        linha("45", "0"),
        linha("60", "abc"),
        linha("81", "1.200"),
        linha("82", "3"),
        linha("2", "1.05", "PP_X", "X"),
    };
    const int decimais = fuzz::Escolha(tamanho, 16);
    const ParseRails parse(TARSEL_FUZZ_TELA, QStringLiteral("A1778"), 1 + decimais % 3, decimais / 4);
    const QString resposta = fuzz::TextoAparelho(dados, tamanho);
    if (!parse.parseia(resposta))
        return 0;
    for (const LinhaRail& l : linhas) {
        try {
            (void)parse.le(l, resposta);
        } catch (const ErroVB&) {
        }
    }
    return 0;
}
