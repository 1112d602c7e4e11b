#include "RespostaHttp.h"

namespace tarsel {

namespace {

QByteArray motivo(int status) {
    switch (status) {
    case 200:
        return QByteArrayLiteral("OK");
    case 302:
        return QByteArrayLiteral("Found");
    case 400:
        return QByteArrayLiteral("Bad Request");
    case 403:
        return QByteArrayLiteral("Forbidden");
    case 404:
        return QByteArrayLiteral("Not Found");
    case 405:
        return QByteArrayLiteral("Method Not Allowed");
    case 431:
        return QByteArrayLiteral("Request Header Fields Too Large");
    default:
        return QByteArrayLiteral("Status");
    }
}

} // namespace

QByteArray RespostaHttp::cabecalho(qint64 tamanho) const {
    QByteArray h = "HTTP/1.1 " + QByteArray::number(status) + ' ' + motivo(status) + "\r\n";
    h += "Content-Type: " + tipo + "\r\n";
    h += "Content-Length: " + QByteArray::number(tamanho) + "\r\n";
    if (!destino.isEmpty())
        h += "Location: " + destino + "\r\n";
    if (!politica.isEmpty())
        h += "Content-Security-Policy: " + politica + "\r\n";
    h += "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
    return h;
}

} // namespace tarsel
