#include "app/Termos.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "store/Configuracao.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
// The three flags, drawn so that no picture files ship with the program.
QPixmap desenhaBandeira(int idioma) {
    const QSize t(48, 32);
    QPixmap p(t);
    p.fill(Qt::white);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(Qt::NoPen);
    switch (idioma) {
    case 1: { // green field, yellow rhombus, blue disc
        g.fillRect(p.rect(), QColor(0, 151, 57));
        QPolygonF losango({QPointF(24, 3), QPointF(45, 16), QPointF(24, 29), QPointF(3, 16)});
        g.setBrush(QColor(254, 221, 0));
        g.drawPolygon(losango);
        g.setBrush(QColor(1, 33, 105));
        g.drawEllipse(QPointF(24, 16), 7.5, 7.5);
        break;
    }
    case 2: { // stripes and a starred canton
        for (int i = 0; i < 7; ++i)
            g.fillRect(QRectF(0, i * 32.0 / 6.5, 48, 32.0 / 13), QColor(178, 34, 52));
        g.fillRect(QRectF(0, 0, 20, 17), QColor(60, 59, 110));
        g.setBrush(Qt::white);
        for (int l = 0; l < 3; ++l)
            for (int c = 0; c < 4; ++c)
                g.drawEllipse(QPointF(3 + c * 4.6, 3 + l * 5.2), 1.1, 1.1);
        break;
    }
    default: // red, yellow twice as wide, red
        g.fillRect(QRect(0, 0, 48, 8), QColor(170, 21, 27));
        g.fillRect(QRect(0, 8, 48, 16), QColor(241, 191, 0));
        g.fillRect(QRect(0, 24, 48, 8), QColor(170, 21, 27));
        break;
    }
    g.setPen(QPen(QColor(120, 120, 120), 1));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(0.5, 0.5, t.width() - 1, t.height() - 1));
    return p;
}
} // namespace

Termos::Termos(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Termos"));
    setModal(true);
    auto* v = new QVBoxLayout(this);
    auto* topo = new QHBoxLayout;
    m_titulo = new QLabel(this);
    m_titulo->setObjectName(QStringLiteral("lbTitulo"));
    QFont f = m_titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    m_titulo->setFont(f);
    topo->addWidget(m_titulo, 1);
    for (int n = 1; n <= 3; ++n) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("imgBandeira%1").arg(n));
        b->setIcon(desenhaBandeira(n));
        b->setIconSize(QSize(48, 32));
        b->setAutoRaise(true);
        b->setCheckable(true);
        connect(b, &QToolButton::clicked, this, [this, n] { escolheIdioma(n); });
        topo->addWidget(b);
        m_bandeiras[n - 1] = b;
    }
    v->addLayout(topo);
    m_texto = new QPlainTextEdit(this);
    m_texto->setObjectName(QStringLiteral("txtTermos"));
    m_texto->setReadOnly(true);
    v->addWidget(m_texto, 1);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    m_aceitar = new QPushButton(this);
    m_aceitar->setObjectName(QStringLiteral("btAceitar"));
    m_naoAceitar = new QPushButton(this);
    m_naoAceitar->setObjectName(QStringLiteral("btNaoAceitar"));
    connect(m_aceitar, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_naoAceitar, &QPushButton::clicked, this, &QDialog::reject);
    botoes->addWidget(m_aceitar);
    botoes->addWidget(m_naoAceitar);
    v->addLayout(botoes);
    resize(720, 520);
    aplicaTextos();
}

void Termos::aplicaTextos() {
    setWindowTitle(QStringLiteral("Voltrace Tarsel - ") + Traduz(QStringLiteral("Termos de Uso")));
    m_titulo->setText(Traduz(QStringLiteral("Termos de Uso")));
    m_texto->setPlainText(Traduz(QStringLiteral("MSG_LICENCA")));
    m_aceitar->setText(Traduz(QStringLiteral("TermosYes")));
    m_naoAceitar->setText(Traduz(QStringLiteral("TermosNo")));
    static const char* const nomes[] = {"PORTUGUÊS", "INGLÊS", "ESPANHOL"};
    for (int n = 1; n <= 3; ++n) {
        m_bandeiras[n - 1]->setToolTip(Traduz(QString::fromUtf8(nomes[n - 1])));
        m_bandeiras[n - 1]->setChecked(globais().IdiomaAtual == n);
    }
}

void Termos::escolheIdioma(int n) {
    globais().IdiomaAtual = quint8(n);
    GravaIdioma(quint8(n));
    aplicaTextos();
}

} // namespace tarsel
