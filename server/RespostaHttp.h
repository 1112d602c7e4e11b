#pragma once

#include <QByteArray>

namespace tarsel {

// One HTTP answer as the pages build it, before it goes out through the HTTP server or, for the
// simulated faults, straight onto the socket.
struct RespostaHttp {
    int status = 200;
    QByteArray tipo = QByteArrayLiteral("text/plain; charset=utf-8");
    QByteArray corpo;
    // Location header of a redirect; empty otherwise.
    QByteArray destino;
    // Content-Security-Policy header of a page that shows values sent by the client; empty for none.
    QByteArray politica;

    static RespostaHttp texto(const QByteArray& corpo, int status = 200) {
        return {status, QByteArrayLiteral("text/plain; charset=utf-8"), corpo, {}, {}};
    }
    static RespostaHttp html(const QByteArray& corpo, int status = 200) {
        return {status, QByteArrayLiteral("text/html; charset=utf-8"), corpo, {}, {}};
    }

    // Status line and headers (Content-Length of `tamanho` bytes, Connection: close), ending in the blank line.
    QByteArray cabecalho(qint64 tamanho) const;
    // The whole answer on the wire.
    QByteArray http() const { return cabecalho(corpo.size()) + corpo; }
};

} // namespace tarsel
