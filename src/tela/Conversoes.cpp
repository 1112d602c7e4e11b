#include "tela/Conversoes.h"

#include <QGuiApplication>
#include <QPalette>

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

QColor CorVB(qint32 numero) {
    const quint32 valor = quint32(numero);
    if (!(valor & 0x80000000u))
        return CorBGR(valor & 0x00FFFFFFu);
    const QPalette paleta = QGuiApplication::palette();
    switch (valor & 0xFFu) {
    case 1:  // desktop
    case 12: // application workspace
        return paleta.color(QPalette::Dark);
    case 4:  // menu
    case 15: // button face
    case 22: // 3D light
        return paleta.color(QPalette::Button);
    case 5: // window background
        return paleta.color(QPalette::Base);
    case 7:  // menu text
    case 18: // button text
        return paleta.color(QPalette::ButtonText);
    case 13:
        return paleta.color(QPalette::Highlight);
    case 14:
        return paleta.color(QPalette::HighlightedText);
    case 16: // button shadow
        return paleta.color(QPalette::Mid);
    case 17:
        return paleta.color(QPalette::Disabled, QPalette::Text);
    case 20: // button highlight
        return paleta.color(QPalette::Light);
    case 21:
        return paleta.color(QPalette::Shadow);
    case 23:
        return paleta.color(QPalette::ToolTipText);
    case 24:
        return paleta.color(QPalette::ToolTipBase);
    default: // 8 window text, and anything unknown
        return paleta.color(QPalette::WindowText);
    }
}

} // namespace tarsel
