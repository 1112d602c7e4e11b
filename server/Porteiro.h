#pragma once

#include <QTcpServer>

#include <functional>

class QTcpSocket;

namespace tarsel {

// The listening socket. It reads the head of each request first: a request the server wants to answer
// on the raw socket is given to it (the faults: trickling, a reset mid-answer and a never-ending wait
// cannot be made through the HTTP server's responder; the report pages, whose queries need the request
// target as it came); every other connection goes on, unread, to the HTTP server bound to this one.
class Porteiro : public QTcpServer {
    Q_OBJECT
public:
    // Called with the socket, the method and the request target as sent, once a request head is
    // complete; true when it took the request over.
    using Desvio = std::function<bool(QTcpSocket* socket, const QByteArray& metodo, const QByteArray& alvo)>;

    explicit Porteiro(Desvio desvio, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descritor) override;

private:
    void examina(QTcpSocket* socket);

    Desvio m_desvio;
};

} // namespace tarsel
