#include "tela/MarcaResultado.h"

#include <QPainter>
#include <QPolygonF>

namespace tarsel {

QPixmap MarcaResultado(bool ok, int tamanho) {
    QPixmap p(tamanho, tamanho);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.scale(tamanho / 16.0, tamanho / 16.0);
    pt.setPen(Qt::NoPen);
    pt.setBrush(ok ? QColor(30, 150, 60) : QColor(200, 40, 40));
    pt.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    pt.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (ok) {
        pt.drawPolyline(QPolygonF({QPointF(4, 8.5), QPointF(7, 11.5), QPointF(12, 5)}));
    } else {
        pt.drawLine(QPointF(5, 5), QPointF(11, 11));
        pt.drawLine(QPointF(11, 5), QPointF(5, 11));
    }
    return p;
}

} // namespace tarsel
