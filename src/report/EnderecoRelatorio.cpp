#include "report/EnderecoRelatorio.h"

#include "base/ErroVB.h"
#include "store/Banco.h"

#include <QUrl>

namespace tarsel {

const QString EnderecoRelatorio::ServidorPadrao = QStringLiteral("https://relatorio.voltracetarsel.com.br/");

QString EnderecoRelatorio::servidor() {
    QString base;
    try {
        Banco b(QString(), Banco::Modo::SomenteLeitura);
        base =
            b.valor(QStringLiteral("select ServidorRelatorio from Tools order by rowid limit 1")).toString().trimmed();
    } catch (const ErroVB&) {
        // A database made before the column existed: the product's address.
    }
    if (base.isEmpty())
        return ServidorPadrao;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

QString EnderecoRelatorio::codifica(const QString& valor) {
    return QString::fromLatin1(QUrl::toPercentEncoding(valor, QByteArrayLiteral("*,/:")));
}

QString EnderecoRelatorio::monta(const QString& pagina, const QList<QPair<QString, QString>>& pares) {
    QStringList partes;
    partes.reserve(pares.size());
    for (const auto& [chave, valor] : pares)
        partes << chave + QLatin1Char('=') + codifica(valor);
    return servidor() + pagina + partes.join(QLatin1Char('&'));
}

} // namespace tarsel
