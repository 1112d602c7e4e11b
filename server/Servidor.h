#pragma once

#include "ConfiguracaoServidor.h"
#include "RespostaHttp.h"

#include <QHttpServer>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpSocket;

namespace tarsel {

class Porteiro;

// The stand-in product server on 127.0.0.1: the online pages the program reads, the pages it opens in
// the browser and the report pages, with the faults of the configuration on the online pages.
class Servidor : public QObject {
    Q_OBJECT
public:
    explicit Servidor(const ConfiguracaoServidor& configuracao, QObject* parent = nullptr);

    // Listens on 127.0.0.1:`porta` (0: any free port). False with the reason in `erro`.
    bool escuta(quint16 porta, QString* erro);
    // "http://127.0.0.1:<port>/" once listening.
    QString base() const { return m_base; }

    // The answer of any page for a GET of `caminho` with `consulta` (no fault applied).
    RespostaHttp responde(const QString& caminho, const QUrlQuery& consulta);

private:
    bool desvia(QTcpSocket* socket, const QByteArray& metodo, const QUrl& alvo);
    RespostaHttp controle(const QUrlQuery& consulta);
    void rota(const QString& caminho);

    ConfiguracaoServidor m_configuracao;
    QHttpServer m_http;
    Porteiro* m_porteiro;
    QString m_base;
};

} // namespace tarsel
