#include "Porteiro.h"

#include "RespostaHttp.h"

#include <QTcpSocket>
#include <QTimer>

namespace tarsel {

namespace {

// A head longer than this is not a request of ours (a report of 255 rail rows takes about 25 KB).
constexpr qint64 CabecalhoMaximo = 64 * 1024;
// A client that connects and sends no complete head within this time is dropped.
constexpr int EsperaCabecalhoMs = 30000;

} // namespace

Porteiro::Porteiro(Desvio desvio, QObject* parent)
    : QTcpServer(parent)
    , m_desvio(std::move(desvio)) {}

void Porteiro::incomingConnection(qintptr descritor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descritor)) {
        delete socket;
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto* prazo = new QTimer(socket);
    prazo->setObjectName(QStringLiteral("prazoCabecalho"));
    prazo->setSingleShot(true);
    connect(prazo, &QTimer::timeout, socket, &QTcpSocket::abort);
    prazo->start(EsperaCabecalhoMs);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] { examina(socket); });
}

void Porteiro::examina(QTcpSocket* socket) {
    const QByteArray visto = socket->peek(CabecalhoMaximo + 4);
    const qsizetype fim = visto.indexOf("\r\n\r\n");
    if (fim < 0) {
        if (visto.size() > CabecalhoMaximo) {
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            socket->write(RespostaHttp::texto("request head too large", 431).http());
            socket->disconnectFromHost();
        }
        return;
    }
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    delete socket->findChild<QTimer*>(QStringLiteral("prazoCabecalho"));

    const QList<QByteArray> linha = visto.left(visto.indexOf("\r\n")).split(' ');
    if (linha.size() == 3 && m_desvio(socket, linha.at(0), QUrl(QString::fromLatin1(linha.at(1)))))
        return;

    // The HTTP server reads from here on. It has missed the first readyRead: announce the waiting bytes
    // again once it has taken the socket.
    addPendingConnection(socket);
    emit newConnection();
    QMetaObject::invokeMethod(socket, &QTcpSocket::readyRead, Qt::QueuedConnection);
}

} // namespace tarsel
