#pragma once

#include "ConfiguracaoServidor.h"
#include "RespostaHttp.h"

#include <QObject>
#include <QUrl>

class QTcpSocket;
class QTimer;

namespace tarsel {

// One misbehaving answer, written on the raw socket and paced by timers (the server stays responsive
// to every other connection). It lives as a child of the socket and goes with it.
class RespostaFalha : public QObject {
    Q_OBJECT
public:
    // Size of the answer of the "enorme" fault.
    static constexpr qint64 TamanhoEnorme = 10 * 1024 * 1024;
    // Delay of the "lenta" fault, and the pace of "gotejando" (one byte per interval).
    static constexpr int AtrasoLentaMs = 60000;
    static constexpr int IntervaloGotaMs = 1000;

    // `normal` is what the page would answer without the fault; `alvo` the request target (redirects).
    RespostaFalha(QTcpSocket* socket, ConfiguracaoServidor::Falha falha, const RespostaHttp& normal, const QUrl& alvo);

private:
    void goteja();
    void fecha();

    QTcpSocket* m_socket;
    QByteArray m_restante;
    QTimer* m_timer = nullptr;
};

} // namespace tarsel
