#include "Servidor.h"

#include "PaginaRelatorio.h"
#include "PaginasConteudo.h"
#include "PaginasOnline.h"
#include "Porteiro.h"
#include "RespostaFalha.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTextStream>

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
    , m_porteiro(new Porteiro(
          [this](QTcpSocket* s, const QByteArray& m, const QByteArray& a) { return desvia(s, m, a); }, this)) {
    const QStringList caminhos{QStringLiteral("/"),
                               QStringLiteral("/online"),
                               QStringLiteral("/versao"),
                               QStringLiteral("/aviso/atualizacao"),
                               QStringLiteral("/aviso/manutencao"),
                               QStringLiteral("/links"),
                               QStringLiteral("/i2c"),
                               QStringLiteral("/controle")};
    for (const QString& c : caminhos)
        rota(c);
    for (const QString& c : PaginasConteudo::caminhos())
        rota(QLatin1Char('/') + c);
    // The report pages never reach the HTTP server: desvia answers them.
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
    return PaginasConteudo::responde(caminho.mid(1), m_base);
}

bool Servidor::desvia(QTcpSocket* socket, const QByteArray& metodo, const QByteArray& alvo) {
    // What the program asked for, for whoever watches the demo's log.
    if (m_configuracao.registro)
        QTextStream(stderr) << "tarsel-server: " << metodo.left(16) << ' ' << alvo.left(400)
                            << (alvo.size() > 400 ? "..." : "") << Qt::endl;
    if (metodo != "GET")
        return false;
    const qsizetype interrogacao = alvo.indexOf('?');
    const QByteArray caminho = interrogacao < 0 ? alvo : alvo.left(interrogacao);
    const QByteArray consulta = interrogacao < 0 ? QByteArray() : alvo.mid(interrogacao + 1).split('#').first();
    // The program sends report queries with only their blanks encoded: read them as they came.
    if (caminho.startsWith("/relatorio/")) {
        socket->write(PaginaRelatorio::responde(QString::fromUtf8(caminho.mid(11)), consulta).http());
        socket->disconnectFromHost();
        return true;
    }
    const QUrl url = QUrl::fromEncoded(alvo);
    if (m_configuracao.falha == ConfiguracaoServidor::Falha::Nenhuma || !PaginasOnline::atende(url.path()))
        return false;
    new RespostaFalha(socket, m_configuracao.falha, responde(url.path(), QUrlQuery(url)), url);
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
