#include "online/Servidor.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Traducao.h"
#include "online/ClienteHttp.h"
#include "online/RegrasServidor.h"
#include "store/Banco.h"

namespace tarsel {

namespace {
std::function<void(const QUrl&)>& navegadorAtual() {
    static std::function<void(const QUrl&)> n;
    return n;
}

QString paginaDeLinks() {
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("k"), ChaveLinks);
    return BuscaPagina(EnderecoServidor(QStringLiteral("links"), q));
}
} // namespace

QString BaseServidor() {
    // The address is data of the installation (the product's own as shipped): a database without it
    // names no server, and every request then fails at once without touching the network.
    try {
        Banco b;
        return b.valor(QStringLiteral("select Servidor from Tools order by rowid limit 1")).toString().trimmed();
    } catch (const ErroVB&) {
        return {};
    }
}

QUrl EnderecoServidor(const QString& pagina, const QUrlQuery& consulta) {
    const QString base = BaseServidor();
    if (base.isEmpty())
        return {};
    return EnderecoNoServidor(base, pagina, consulta);
}

QString LePaginaServidor(int n) {
    return TextoPaginaServidor(paginaDeLinks(), n);
}

void AbrePaginaServidor(int n) {
    const std::optional<QString> valor = ExtraiPaginaServidor(paginaDeLinks(), n);
    AbreEnderecoWeb(valor ? *valor : EnderecoProduto);
}

bool AbreEnderecoWeb(const QString& endereco) {
    const QString e = endereco.trimmed();
    if (e.isEmpty())
        return false;
    if (!EnderecoWeb(e)) {
        dialogos().mensagem(Dialogos::Icone::Exclamacao, Traduz(QStringLiteral("Endereço recusado")),
                            Traduz(QStringLiteral("MSG_ENDERECO_RECUSADO")) + QStringLiteral("\r\n\r\n") + e);
        return false;
    }
    if (navegadorAtual())
        navegadorAtual()(QUrl(e, QUrl::StrictMode));
    return true;
}

void instalaNavegador(std::function<void(const QUrl&)> navegador) {
    navegadorAtual() = std::move(navegador);
}

} // namespace tarsel
