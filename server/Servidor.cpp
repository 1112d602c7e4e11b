#include "Servidor.h"

#include "PaginaRelatorio.h"
#include "PaginasConteudo.h"
#include "PaginasOnline.h"
#include "Porteiro.h"
#include "RespostaFalha.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace tarsel {

namespace {

QHttpServerResponse paraHttp(const RespostaHttp& r) {
    QHttpServerResponse resposta(r.tipo, r.corpo, static_cast<QHttpServerResponse::StatusCode>(r.status));
    // One request per connection: a later request then passes the fault check again, whatever the
    // settings have become in between.
    resposta.setHeader(QByteArrayLiteral("Connection"), QByteArrayLiteral("close"));
    resposta.setHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    if (!r.destino.isEmpty())
        resposta.setHeader(QByteArrayLiteral("Location"), r.destino);
    if (!r.politica.isEmpty())
        resposta.setHeader(QByteArrayLiteral("Content-Security-Policy"), r.politica);
    return resposta;
}

} // namespace

Servidor::Servidor(const ConfiguracaoServidor& configuracao, QObject* parent)
    : QObject(parent)
    , m_configuracao(configuracao)
    , m_porteiro(
          new Porteiro([this](QTcpSocket* s, const QByteArray& m, const QUrl& a) { return desvia(s, m, a); }, this)) {
    const QStringList caminhos{QStringLiteral("/"),
                               QStringLiteral("/online"),
                               QStringLiteral("/versao"),
                               QStringLiteral("/aviso/atualizacao"),
                               QStringLiteral("/aviso/manutencao"),
                               QStringLiteral("/links"),
                               QStringLiteral("/i2c"),
                               QStringLiteral("/controle"),
                               QStringLiteral("/relatorio/index.php"),
                               QStringLiteral("/relatorio/acorn.php"),
                               QStringLiteral("/relatorio/chest.php")};
    for (const QString& c : caminhos)
        rota(c);
    for (const QString& c : PaginasConteudo::caminhos())
        rota(QLatin1Char('/') + c);
}

void Servidor::rota(const QString& caminho) {
    m_http.route(caminho, QHttpServerRequest::Method::Get, [this, caminho](const QHttpServerRequest& pedido) {
        return paraHttp(responde(caminho, pedido.query()));
    });
}

bool Servidor::escuta(quint16 porta, QString* erro) {
    if (!m_porteiro->listen(QHostAddress::LocalHost, porta)) {
        *erro = m_porteiro->errorString();
        return false;
    }
    m_http.bind(m_porteiro);
    m_base = QStringLiteral("http://127.0.0.1:%1/").arg(m_porteiro->serverPort());
    return true;
}

RespostaHttp Servidor::responde(const QString& caminho, const QUrlQuery& consulta) {
    if (PaginasOnline::atende(caminho))
        return PaginasOnline(m_configuracao, m_base).responde(caminho, consulta);
    if (caminho == QLatin1String("/controle"))
        return controle(consulta);
    if (caminho.startsWith(QLatin1String("/relatorio/")))
        return PaginaRelatorio::responde(caminho.mid(int(qstrlen("/relatorio/"))), consulta);
    return PaginasConteudo::responde(caminho.mid(1), m_base);
}

bool Servidor::desvia(QTcpSocket* socket, const QByteArray& metodo, const QUrl& alvo) {
    if (m_configuracao.falha == ConfiguracaoServidor::Falha::Nenhuma || metodo != "GET" ||
        !PaginasOnline::atende(alvo.path()))
        return false;
    new RespostaFalha(socket, m_configuracao.falha, responde(alvo.path(), QUrlQuery(alvo)), alvo);
    return true;
}

RespostaHttp Servidor::controle(const QUrlQuery& consulta) {
    if (!m_configuracao.controle)
        return RespostaHttp::texto("404", 404);
    // Every value is checked before any is applied: a bad request changes nothing.
    ConfiguracaoServidor nova = m_configuracao;
    const QString versao = consulta.queryItemValue(QStringLiteral("versao"), QUrl::FullyDecoded);
    if (consulta.hasQueryItem(QStringLiteral("versao")) && !ConfiguracaoServidor::leVersao(versao, &nova.versao))
        return RespostaHttp::texto("unknown versao", 400);
    const QString avisos = consulta.queryItemValue(QStringLiteral("avisos"));
    if (consulta.hasQueryItem(QStringLiteral("avisos"))) {
        if (avisos != QLatin1String("0") && avisos != QLatin1String("1"))
            return RespostaHttp::texto("avisos is 0 or 1", 400);
        nova.avisos = avisos == QLatin1String("1");
    }
    const QString falha = consulta.queryItemValue(QStringLiteral("falha"), QUrl::FullyDecoded);
    if (consulta.hasQueryItem(QStringLiteral("falha")) && !ConfiguracaoServidor::leFalha(falha, &nova.falha))
        return RespostaHttp::texto("unknown falha", 400);
    m_configuracao = nova;
    return RespostaHttp::texto("OK");
}

} // namespace tarsel
