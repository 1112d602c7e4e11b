#include "RespostaFalha.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace tarsel {

namespace {

// Bytes that are not UTF-8 (lone continuation bytes and 0xFE/0xFF) and never form a tag.
QByteArray lixo() {
    QByteArray b;
    b.reserve(4096);
    quint32 x = 0x9e3779b9u;
    for (int i = 0; i < 4096; ++i) {
        x = x * 1664525u + 1013904223u;
        b.append(char(0x80 | ((x >> 24) & 0x7f)));
    }
    return b;
}

// Every tag pair [T]v[/T] of the page is followed by the same tag again, nested in itself and holding
// another value: [T]v[/T][T][T]repetida[/T][/T]. The first pair is left as the page has it.
QByteArray marcasRepetidas(const QByteArray& corpo) {
    static const QRegularExpression par(QStringLiteral("\\[([A-Za-z_]+[0-9]*)\\](.*?)\\[/\\1\\]"),
                                        QRegularExpression::DotMatchesEverythingOption);
    QString texto = QString::fromUtf8(corpo);
    texto.replace(par, QStringLiteral("[\\1]\\2[/\\1][\\1][\\1]repetida[/\\1][/\\1]"));
    return texto.toUtf8();
}

} // namespace

RespostaFalha::RespostaFalha(QTcpSocket* socket, ConfiguracaoServidor::Falha falha, const RespostaHttp& normal,
                             const QUrl& alvo)
    : QObject(socket)
    , m_socket(socket) {
    using F = ConfiguracaoServidor::Falha;
    switch (falha) {
    case F::Nenhuma:
        m_socket->write(normal.http());
        fecha();
        break;
    case F::Lenta:
        QTimer::singleShot(AtrasoLentaMs, this, [this, normal] {
            m_socket->write(normal.http());
            fecha();
        });
        break;
    case F::Gotejando:
        // The head at once, so the client sees an answer start; then the body one byte a second.
        m_socket->write(normal.cabecalho(normal.corpo.size()));
        m_restante = normal.corpo;
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &RespostaFalha::goteja);
        m_timer->start(IntervaloGotaMs);
        goteja();
        break;
    case F::Lixo: {
        RespostaHttp r = normal;
        r.status = 200;
        r.tipo = QByteArrayLiteral("text/plain");
        r.corpo = lixo();
        m_socket->write(r.http());
        fecha();
        break;
    }
    case F::Reset: {
        // Promise the whole answer, send half of it, then reset the connection (no orderly close).
        const QByteArray corpo =
            normal.corpo.isEmpty() ? QByteArrayLiteral("connection reset mid-answer") : normal.corpo;
        m_socket->write(normal.cabecalho(corpo.size()) + corpo.left(corpo.size() / 2));
        connect(m_socket, &QTcpSocket::bytesWritten, this, [this] {
            if (m_socket->bytesToWrite() > 0)
                return;
            const linger l{1, 0};
            ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &l, sizeof l);
            m_socket->abort();
        });
        break;
    }
    case F::Enorme: {
        // The normal answer first, then filler up to the full size: a client that reads it all still
        // finds the tags, one that limits what it reads stops early.
        QByteArray corpo = normal.corpo;
        corpo.reserve(TamanhoEnorme);
        const QByteArray linha(1023, 'x');
        while (corpo.size() + linha.size() + 1 <= TamanhoEnorme)
            corpo += '\n' + linha;
        corpo += QByteArray(TamanhoEnorme - corpo.size(), ' ');
        RespostaHttp r = normal;
        r.corpo = corpo;
        m_socket->write(r.http());
        fecha();
        break;
    }
    case F::Latin1: {
        // The page with its tags intact, but in Latin-1 with an accented letter inside: not UTF-8.
        RespostaHttp r = normal;
        r.status = 200;
        r.corpo = QString::fromUtf8(normal.corpo + " \xc3\xa9").toLatin1();
        m_socket->write(r.http());
        fecha();
        break;
    }
    case F::Marcas: {
        RespostaHttp r = normal;
        r.corpo = marcasRepetidas(normal.corpo);
        m_socket->write(r.http());
        fecha();
        break;
    }
    case F::Redirecao: {
        // Back to the same address, for ever.
        RespostaHttp r = RespostaHttp::texto("redirect");
        r.status = 302;
        r.destino = alvo.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
        m_socket->write(r.http());
        fecha();
        break;
    }
    }
}

void RespostaFalha::goteja() {
    if (m_socket->state() != QAbstractSocket::ConnectedState) {
        m_timer->stop();
        return;
    }
    if (m_restante.isEmpty()) {
        m_timer->stop();
        fecha();
        return;
    }
    m_socket->write(m_restante.left(1));
    m_restante.remove(0, 1);
}

void RespostaFalha::fecha() {
    m_socket->disconnectFromHost();
}

} // namespace tarsel
