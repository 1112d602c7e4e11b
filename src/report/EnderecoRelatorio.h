#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace tarsel {

// Address of a report page: the report server's base address + page path + query string.
class EnderecoRelatorio {
public:
    // Used when table Tools holds no address of its own.
    static const QString ServidorPadrao;

    // Column ServidorRelatorio of the first row of Tools, ending in "/"; ServidorPadrao when it is
    // empty or cannot be read.
    static QString servidor();

    // A value for the query string: percent-encoded (UTF-8), so "&", "=", "#", "%" and "+" cannot end
    // or add keys; a space becomes "%20". "*", ",", "/" and ":" stay readable.
    static QString codifica(const QString& valor);

    // Base address + page + "key=value&key=value..." with every value encoded.
    static QString monta(const QString& pagina, const QList<QPair<QString, QString>>& pares);
};

} // namespace tarsel
