// The server pages: the version page and its decision, the notice in each language, the link pages and
// the addresses they hold.

#include "Entrada.h"

#include "online/RegrasServidor.h"

#include <QUrlQuery>

using namespace tarsel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString texto = fuzz::TextoServidor(dados, tamanho);
    const RespostaVersao versao = LeRespostaVersao(texto);
    (void)DecideVersao(versao);
    for (quint8 idioma = 0; idioma <= 4; ++idioma)
        (void)ExtraiAviso(texto, idioma);
    for (int n : {0, 1, 12, 53, 99})
        (void)TextoPaginaServidor(texto, n);
    if (const auto pagina = ExtraiPaginaServidor(texto, 53))
        (void)EnderecoWeb(*pagina);
    (void)EnderecoWeb(texto);
    (void)ValorEntreTags(texto, QStringLiteral("[i]"), QStringLiteral("[/i]"));
    (void)EnderecoNoServidor(texto, QStringLiteral("versao.php"), QUrlQuery(QStringLiteral("v=2.42")));
    return 0;
}
