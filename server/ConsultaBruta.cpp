#include "ConsultaBruta.h"

namespace tarsel {

namespace {

int hexa(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QByteArray ConsultaBruta::decodifica(const QByteArray& texto) {
    QByteArray r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto.at(i) == '%' && i + 2 < texto.size() && hexa(texto.at(i + 1)) >= 0 && hexa(texto.at(i + 2)) >= 0) {
            r.append(char(hexa(texto.at(i + 1)) * 16 + hexa(texto.at(i + 2))));
            i += 2;
        } else {
            r.append(texto.at(i));
        }
    }
    return r;
}

ConsultaBruta::ConsultaBruta(const QByteArray& consulta) {
    for (const QByteArray& par : consulta.split('&')) {
        if (par.isEmpty())
            continue;
        const qsizetype igual = par.indexOf('=');
        const QByteArray chave = igual < 0 ? par : par.left(igual);
        const QByteArray valor = igual < 0 ? QByteArray() : par.mid(igual + 1);
        m_pares.append({QString::fromUtf8(decodifica(chave)), QString::fromUtf8(decodifica(valor))});
    }
}

bool ConsultaBruta::contem(const QString& chave) const {
    for (const auto& par : m_pares)
        if (par.first == chave)
            return true;
    return false;
}

QString ConsultaBruta::valor(const QString& chave) const {
    for (const auto& par : m_pares)
        if (par.first == chave)
            return par.second;
    return {};
}

} // namespace tarsel
