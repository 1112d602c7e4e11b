#include "online/ClienteHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>

namespace tarsel {

namespace {
EsperaRede*& esperaAtual() {
    static EsperaRede* e = nullptr;
    return e;
}

// One manager for the program's life (it keeps connections to the server open between the steps),
// owned by the application object so it goes before Qt does.
QNetworkAccessManager* gerenciador() {
    static QPointer<QNetworkAccessManager> g;
    if (!g) {
        g = new QNetworkAccessManager(QCoreApplication::instance());
        g->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    return g;
}

class GuardaEspera {
public:
    GuardaEspera()
        : m_espera(esperaAtual()) {
        if (m_espera)
            m_espera->comeca();
    }
    ~GuardaEspera() {
        if (m_espera)
            m_espera->termina();
    }
    GuardaEspera(const GuardaEspera&) = delete;
    GuardaEspera& operator=(const GuardaEspera&) = delete;

private:
    EsperaRede* m_espera;
};
} // namespace

void instalaEsperaRede(EsperaRede* espera) {
    esperaAtual() = espera;
}

RespostaHttp ObtemPagina(const QUrl& url, const OpcoesHttp& opcoes) {
    using Falha = RespostaHttp::Falha;
    RespostaHttp r;
    // Only the web: a server address that names a file or another scheme is never read.
    const QString esquema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (esquema != QLatin1String("http") && esquema != QLatin1String("https"))) {
        r.falha = Falha::Endereco;
        return r;
    }

    GuardaEspera guarda;
    QNetworkRequest pedido(url);
    pedido.setTransferTimeout(opcoes.prazoTransferenciaMs);
    pedido.setMaximumRedirectsAllowed(opcoes.maximoRedirecionamentos);
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* resposta = gerenciador()->get(pedido);

    QByteArray corpo;
    bool excedeu = false;
    bool esgotou = false;
    QEventLoop laco;
    auto grande = [&](qint64 n) { return opcoes.limiteBytes >= 0 && n > opcoes.limiteBytes; };
    // A declared length over the limit is refused before its bytes come; the bytes are counted as well,
    // since a server need not declare one.
    QObject::connect(resposta, &QNetworkReply::metaDataChanged, &laco, [&] {
        const QVariant tamanho = resposta->header(QNetworkRequest::ContentLengthHeader);
        if (tamanho.isValid() && grande(tamanho.toLongLong())) {
            excedeu = true;
            resposta->abort();
        }
    });
    QObject::connect(resposta, &QIODevice::readyRead, &laco, [&] {
        corpo += resposta->readAll();
        if (grande(corpo.size())) {
            excedeu = true;
            resposta->abort();
        }
    });
    QObject::connect(resposta, &QNetworkReply::finished, &laco, &QEventLoop::quit);
    // The transfer time-out restarts with every byte: a server that trickles is stopped by this one.
    QTimer prazo;
    prazo.setSingleShot(true);
    QObject::connect(&prazo, &QTimer::timeout, &laco, [&] {
        esgotou = true;
        resposta->abort();
    });
    prazo.start(opcoes.prazoTotalMs);
    if (!resposta->isFinished())
        laco.exec();
    prazo.stop();
    if (!excedeu && resposta->isReadable())
        corpo += resposta->readAll();

    r.status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError erro = resposta->error();
    resposta->deleteLater();

    if (excedeu) {
        r.falha = Falha::Tamanho;
    } else if (esgotou || erro == QNetworkReply::OperationCanceledError || erro == QNetworkReply::TimeoutError) {
        r.falha = Falha::Tempo;
    } else if (erro == QNetworkReply::TooManyRedirectsError || erro == QNetworkReply::InsecureRedirectError) {
        r.falha = Falha::Redirecionamento;
    } else if (erro != QNetworkReply::NoError) {
        // Content and server errors come with the server's status; the rest is the connection's.
        const bool doServidor = erro >= QNetworkReply::ContentAccessDenied && erro <= QNetworkReply::UnknownServerError;
        r.falha = doServidor && r.status != 0 ? Falha::Status : Falha::Rede;
    } else if (r.status < 200 || r.status > 299) {
        r.falha = Falha::Status;
    }
    if (r.falha != Falha::Nenhuma)
        return r;

    // Stateless: a body that ends inside a multi-byte sequence (a Latin-1 "é" as the last byte) is an
    // error too, not bytes kept back for a next call that never comes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = utf8.decode(corpo);
    if (utf8.hasError()) {
        r.falha = Falha::Codificacao;
        return r;
    }
    r.texto = std::move(texto);
    return r;
}

QString BuscaPagina(const QUrl& url, const OpcoesHttp& opcoes) {
    return ObtemPagina(url, opcoes).texto;
}

} // namespace tarsel
