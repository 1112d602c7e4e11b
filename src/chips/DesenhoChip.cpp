#include "chips/DesenhoChip.h"

#include <QLabel>
#include <QPainter>

namespace tarsel {

namespace {
constexpr int Perna = 10; // the pin stub outside the body
}

DesenhoChip::DesenhoChip(const QStringList& pinosEsquerda, const QStringList& pinosDireita, QWidget* parent)
    : QWidget(parent)
    , m_esquerda(pinosEsquerda)
    , m_direita(pinosDireita) {
    setObjectName(QStringLiteral("DesenhoChip"));
    m_lbUC = new QLabel(QStringLiteral("U0000"), this);
    m_lbUC->setObjectName(QStringLiteral("lbUC"));
    m_lbUC->setAlignment(Qt::AlignCenter);
    QFont f = m_lbUC->font();
    f.setBold(true);
    m_lbUC->setFont(f);
    setMinimumSize(sizeHint());
}

QSize DesenhoChip::sizeHint() const {
    const QFontMetrics fm(font());
    int largura = 0;
    for (const QString& p : m_esquerda)
        largura = qMax(largura, fm.horizontalAdvance(p));
    int larguraDireita = 0;
    for (const QString& p : m_direita)
        larguraDireita = qMax(larguraDireita, fm.horizontalAdvance(p));
    const int pinos = int(qMax(m_esquerda.size(), m_direita.size()));
    return {largura + larguraDireita + 2 * Perna + fm.horizontalAdvance(QStringLiteral("U0000")) + 40,
            (pinos + 1) * (fm.height() + 4)};
}

QRect DesenhoChip::corpo() const {
    return rect().adjusted(Perna, 2, -Perna - 1, -3);
}

void DesenhoChip::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const QRect c = corpo();
    // Wide enough for a long designator (" ACORN U5600"), never wider than the body.
    const int largura = qMin(c.width() - 4, qMax(80, m_lbUC->fontMetrics().horizontalAdvance(m_lbUC->text()) + 12));
    m_lbUC->setGeometry(c.center().x() - largura / 2, c.center().y() - 12, largura, 24);
}

void DesenhoChip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect c = corpo();
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRect(c);

    auto pinos = [&](const QStringList& nomes, bool esquerda) {
        if (nomes.isEmpty())
            return;
        const double passo = double(c.height()) / nomes.size();
        for (int i = 0; i < nomes.size(); ++i) {
            const int y = c.top() + int(passo * (i + 0.5));
            const int x0 = esquerda ? c.left() - Perna : c.right();
            p.drawLine(x0, y, x0 + Perna, y);
            const QRect texto(esquerda ? c.left() + 4 : c.center().x(), y - int(passo / 2), c.width() / 2 - 8,
                              int(passo));
            p.drawText(texto, Qt::AlignVCenter | (esquerda ? Qt::AlignLeft : Qt::AlignRight), nomes.at(i));
        }
    };
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    p.setFont(f);
    pinos(m_esquerda, true);
    pinos(m_direita, false);
}

} // namespace tarsel
