#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace tarsel {

// A query string read as a browser sends it, without the strictness of QUrl: pairs split at "&" and the
// first "=", every valid "%XX" decoded, a "%" that starts no such sequence kept as it is ("0.2 %" sent
// with only its blank encoded stays "0.2 %"), "+" kept, the bytes read as UTF-8. QUrl instead takes the
// whole query as unencoded at the first lone "%" and would show every "%20" as it stands.
class ConsultaBruta {
public:
    explicit ConsultaBruta(const QByteArray& consulta);

    bool contem(const QString& chave) const;
    // The value of the first pair with this key; empty when there is none.
    QString valor(const QString& chave) const;

    static QByteArray decodifica(const QByteArray& texto);

private:
    QList<QPair<QString, QString>> m_pares;
};

} // namespace tarsel
