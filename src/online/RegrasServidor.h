#pragma once

#include <QString>
#include <QUrl>
#include <QUrlQuery>
#include <optional>

namespace tarsel {

// How the program reads what the product server answers. Pure text rules; the requests are elsewhere.

// The product's web site: the server's own address as shipped, the address the update message names,
// and where a link the server does not hold leads.
inline const QString EnderecoProduto = QStringLiteral("https://www.voltracetarsel.com.br/");
// The fixed access value the link page asks for.
inline const QString ChaveLinks = QStringLiteral("582046");

// The text between the first `abre` and the first `fecha` after it; empty when either tag is missing.
QString ValorEntreTags(const QString& texto, const QString& abre, const QString& fecha);

// The version page: "[i]" status "[/i]", "[pg_u]" update page "[/pg_u]", "[pg_m]" maintenance page "[/pg_m]".
struct RespostaVersao {
    bool temStatus = false; // the answer holds "[i]" at all
    QString status;         // empty when "[/i]" is missing too
    QString paginaAtualizacao;
    QString paginaManutencao;
};
RespostaVersao LeRespostaVersao(const QString& texto);

// What start-up does with a version answer.
enum class DecisaoVersao {
    Segue,                  // "OK" or a status this version does not know
    AtualizacaoSemServidor, // no "[i]" (server unreachable or wrong answer): update demanded, product page
    Manutencao,             // "MANUTENCAO" or an empty status
    AtualizacaoObrigatoria, // "OBRIGATORIA"
    AtualizacaoOpcional     // "OPCIONAL"
};
DecisaoVersao DecideVersao(const RespostaVersao& r);

// A notice page in the language `idioma` (1 "[BR]", 2 "[EN]", 3 "[ES]"): a blank line and the notice,
// which starts five characters after the opening tag begins (the tag and the line break after it).
// Empty for an answer holding "404", a missing tag, or another language.
QString ExtraiAviso(const QString& texto, quint8 idioma);

// Server page n of the link page: the text between "[PG<n>]" and "[/PG<n>]"; nothing when either tag is
// missing (or the closing one comes first).
std::optional<QString> ExtraiPaginaServidor(const QString& texto, int n);
// The page text as the windows use it: the value, or "N" when the page is missing.
QString TextoPaginaServidor(const QString& texto, int n);

// True for an address the program may hand to the browser: a valid http or https URL with a host.
bool EnderecoWeb(const QString& endereco);

// `pagina` (with `consulta`) under the server's base address; a base without a final "/" gets one.
QUrl EnderecoNoServidor(const QString& base, const QString& pagina, const QUrlQuery& consulta = {});

} // namespace tarsel
