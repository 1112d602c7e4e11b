#pragma once

#include <QTcpServer>
#include <QUrl>

#include <functional>

class QTcpSocket;

namespace tarsel {

// The listening socket. It reads the head of each request first: a request the fault simulation wants
// is given to it on the raw socket (trickling, a reset mid-answer and a never-ending wait cannot be
// made through the HTTP server's responder); every other connection goes on, unread, to the HTTP server
// bound to this one.
class Porteiro : public QTcpServer {
    Q_OBJECT
public:
    // Called with the socket, the method and the target once a request head is complete; true when it
    // took the request over.
    using Desvio = std::function<bool(QTcpSocket* socket, const QByteArray& metodo, const QUrl& alvo)>;

    explicit Porteiro(Desvio desvio, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr descritor) override;

private:
    void examina(QTcpSocket* socket);

    Desvio m_desvio;
};

} // namespace tarsel
