#pragma once

#include <QString>
#include <QUrl>

namespace tarsel {

// Synchronous GET on the calling thread, as the server steps need it. The answer is the body as text,
// or an empty text on any failure: no connection, an error status, a redirect loop, a body that is not
// UTF-8, a body over the size limit, or no complete answer within the time limits.
struct OpcoesHttp {
    int prazoTotalMs = 10000;        // the whole request, however the bytes trickle in
    int prazoTransferenciaMs = 5000; // silence on the connection
    qint64 limiteBytes = 1024 * 1024;
    int maximoRedirecionamentos = 5;
};

struct RespostaHttp {
    enum class Falha { Nenhuma, Endereco, Rede, Status, Tempo, Tamanho, Codificacao, Redirecionamento };
    QString texto;
    Falha falha = Falha::Nenhuma;
    int status = 0; // HTTP status, 0 when none came
};

RespostaHttp ObtemPagina(const QUrl& url, const OpcoesHttp& opcoes = {});
// The body, or empty on any failure.
QString BuscaPagina(const QUrl& url, const OpcoesHttp& opcoes = {});

// What the window layer does while a request waits: a busy cursor, and no input reaching the windows
// (a click there would run in the middle of the step that waits). Nothing is installed by default.
class EsperaRede {
public:
    virtual ~EsperaRede() = default;
    virtual void comeca() = 0;
    virtual void termina() = 0;
};
void instalaEsperaRede(EsperaRede* espera);

} // namespace tarsel
