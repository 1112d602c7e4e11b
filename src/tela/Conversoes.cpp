#include "tela/Conversoes.h"

namespace tarsel {

QColor CorBGR(quint32 valor) {
    return QColor(int(valor & 0xFF), int((valor >> 8) & 0xFF), int((valor >> 16) & 0xFF));
}

QColor CorBGR(const QString& texto) {
    QString t = texto.trimmed();
    bool ok = false;
    quint32 valor = 0;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        valor = t.toUInt(&ok, 16);
    } else {
        valor = t.toUInt(&ok, 10);
    }
    return ok ? CorBGR(valor) : QColor();
}

quint32 ValorBGR(const QColor& cor) {
    return quint32(cor.red()) | (quint32(cor.green()) << 8) | (quint32(cor.blue()) << 16);
}

} // namespace tarsel
