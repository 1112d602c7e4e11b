#include "tela/PainelProgresso.h"

#include "tela/Conversoes.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarsel {

PainelProgresso::PainelProgresso(QWidget* parent, bool textoEmNegrito)
    : QFrame(parent) {
    setObjectName(QStringLiteral("FrameVCore"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(Twips(5000), Twips(1200));
    auto* v = new QVBoxLayout(this);
    m_texto = new QLabel(this);
    m_texto->setObjectName(QStringLiteral("lbGrade"));
    m_texto->setAlignment(Qt::AlignCenter);
    if (textoEmNegrito) {
        QFont f = m_texto->font();
        f.setBold(true);
        m_texto->setFont(f);
    }
    v->addWidget(m_texto);
    auto* trilho = new QFrame(this);
    trilho->setFixedSize(Twips(4500), Twips(240));
    trilho->setFrameShape(QFrame::Panel);
    trilho->setFrameShadow(QFrame::Sunken);
    m_barra = new QFrame(trilho);
    m_barra->setObjectName(QStringLiteral("Barra"));
    m_barra->setAutoFillBackground(true);
    QPalette pb = m_barra->palette();
    pb.setColor(QPalette::Window, QColor(40, 160, 80));
    m_barra->setPalette(pb);
    m_barra->setGeometry(2, 2, 1, trilho->height() - 4);
    v->addWidget(trilho, 0, Qt::AlignHCenter);
    m_passo = qMax(1, (trilho->width() - 4) / 50);
    m_timer.setObjectName(QStringLiteral("TimerBarra"));
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &PainelProgresso::passo);
    hide();
}

void PainelProgresso::inicia() {
    m_barra->resize(1, m_barra->height());
    show();
    raise();
    m_timer.start();
}

void PainelProgresso::para() {
    hide();
    m_timer.stop();
}

void PainelProgresso::passo() {
    const int largura = m_barra->width() + m_passo;
    m_barra->resize(largura >= 50 * m_passo ? 1 : largura, m_barra->height());
}

} // namespace tarsel
