#include "online/RegrasServidor.h"

namespace tarsel {

QString ValorEntreTags(const QString& texto, const QString& abre, const QString& fecha) {
    const qsizetype p = texto.indexOf(abre);
    if (p < 0)
        return {};
    const qsizetype inicio = p + abre.size();
    const qsizetype q = texto.indexOf(fecha, inicio);
    if (q < 0)
        return {};
    return texto.mid(inicio, q - inicio);
}

RespostaVersao LeRespostaVersao(const QString& texto) {
    RespostaVersao r;
    r.temStatus = texto.contains(QLatin1String("[i]"));
    r.status = ValorEntreTags(texto, QStringLiteral("[i]"), QStringLiteral("[/i]"));
    r.paginaAtualizacao = ValorEntreTags(texto, QStringLiteral("[pg_u]"), QStringLiteral("[/pg_u]"));
    r.paginaManutencao = ValorEntreTags(texto, QStringLiteral("[pg_m]"), QStringLiteral("[/pg_m]"));
    return r;
}

DecisaoVersao DecideVersao(const RespostaVersao& r) {
    if (!r.temStatus)
        return DecisaoVersao::AtualizacaoSemServidor;
    if (r.status.isEmpty() || r.status == QLatin1String("MANUTENCAO"))
        return DecisaoVersao::Manutencao;
    if (r.status == QLatin1String("OBRIGATORIA"))
        return DecisaoVersao::AtualizacaoObrigatoria;
    if (r.status == QLatin1String("OPCIONAL"))
        return DecisaoVersao::AtualizacaoOpcional;
    return DecisaoVersao::Segue;
}

QString ExtraiAviso(const QString& texto, quint8 idioma) {
    if (texto.contains(QLatin1String("404")))
        return {};
    static const char* const tags[] = {"BR", "EN", "ES"};
    if (idioma < 1 || idioma > 3)
        return {};
    const QString tag = QString::fromLatin1(tags[idioma - 1]);
    const qsizetype p = texto.indexOf(QLatin1Char('[') + tag + QLatin1Char(']'));
    const qsizetype q = texto.indexOf(QStringLiteral("[/") + tag + QLatin1Char(']'));
    if (p < 0 || q < 0)
        return {};
    // The four-character tag and the line break that follows it.
    const qsizetype inicio = p + 5;
    if (q < inicio)
        return {};
    return QStringLiteral("\r\n\r\n") + texto.mid(inicio, q - inicio);
}

std::optional<QString> ExtraiPaginaServidor(const QString& texto, int n) {
    // The closing bracket is part of the tag: "[PG1]" is not found inside "[PG11]".
    const QString abre = QStringLiteral("[PG%1]").arg(n);
    const qsizetype p = texto.indexOf(abre);
    const qsizetype q = texto.indexOf(QStringLiteral("[/PG%1]").arg(n));
    if (p < 0 || q < 0)
        return std::nullopt;
    const qsizetype inicio = p + abre.size();
    if (q < inicio)
        return std::nullopt;
    return texto.mid(inicio, q - inicio);
}

QString TextoPaginaServidor(const QString& texto, int n) {
    return ExtraiPaginaServidor(texto, n).value_or(QStringLiteral("N"));
}

bool EnderecoWeb(const QString& endereco) {
    const QUrl url(endereco.trimmed(), QUrl::StrictMode);
    const QString esquema = url.scheme().toLower();
    return url.isValid() && (esquema == QLatin1String("http") || esquema == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QUrl EnderecoNoServidor(const QString& base, const QString& pagina, const QUrlQuery& consulta) {
    QString b = base.trimmed();
    if (!b.endsWith(QLatin1Char('/')))
        b += QLatin1Char('/');
    QUrl url(b + pagina);
    if (!consulta.isEmpty())
        url.setQuery(consulta);
    return url;
}

} // namespace tarsel
