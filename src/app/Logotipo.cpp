#include "app/Logotipo.h"

#include "base/Globais.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarsel {

QPixmap Logotipo(const QSize& tamanho, bool comVersao) {
    QPixmap p(tamanho);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(tamanho));
    if (comVersao) {
        QLinearGradient fundo(r.topLeft(), r.bottomRight());
        fundo.setColorAt(0, QColor(18, 28, 44));
        fundo.setColorAt(1, QColor(30, 58, 86));
        pt.fillRect(r, fundo);
    }
    // A trace with a voltage pulse, the product's mark.
    const qreal h = r.height();
    const qreal w = r.width();
    QPainterPath traco;
    traco.moveTo(w * 0.08, h * 0.42);
    traco.lineTo(w * 0.30, h * 0.42);
    traco.lineTo(w * 0.36, h * 0.18);
    traco.lineTo(w * 0.44, h * 0.62);
    traco.lineTo(w * 0.50, h * 0.42);
    traco.lineTo(w * 0.92, h * 0.42);
    pt.setPen(QPen(QColor(90, 200, 120, comVersao ? 255 : 60), qMax<qreal>(2.0, h / 40), Qt::SolidLine, Qt::RoundCap,
                   Qt::RoundJoin));
    pt.drawPath(traco);

    QFont f = pt.font();
    f.setBold(true);
    f.setPixelSize(int(h * 0.16));
    pt.setFont(f);
    pt.setPen(comVersao ? QColor(235, 240, 245) : QColor(60, 70, 80, 60));
    pt.drawText(QRectF(0, h * 0.58, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Voltrace Tarsel"));
    if (comVersao) {
        f.setBold(false);
        f.setPixelSize(int(h * 0.07));
        pt.setFont(f);
        pt.setPen(QColor(170, 190, 210));
        pt.drawText(QRectF(0, h * 0.80, w, h * 0.1), Qt::AlignCenter, QStringLiteral("v.") + VersaoPrograma);
    }
    return p;
}

} // namespace tarsel
