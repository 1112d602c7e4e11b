#include "app/fmxMenu.h"

#include "base/Traducao.h"
#include "tela/Conversoes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int Largura = 1720;      // twips
constexpr int AlturaEntrada = 480; // twips
} // namespace

fmxMenu::fmxMenu(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("fmxMenu"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(44, 62, 80));
    pal.setColor(QPalette::WindowText, Qt::white);
    pal.setColor(QPalette::ButtonText, Qt::white);
    setPalette(pal);

    static const int painelDaEntrada[4] = {0, 0, 1, 2};
    for (int p = 0; p < 3; ++p) {
        m_frames[p] = new QWidget(this);
        m_frames[p]->setObjectName(QStringLiteral("FrameMenu%1").arg(p));
        auto* v = new QVBoxLayout(m_frames[p]);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        m_frames[p]->hide();
    }
    for (int i = 0; i < 4; ++i) {
        m_bt[i] = new QToolButton(m_frames[painelDaEntrada[i]]);
        m_bt[i]->setObjectName(QStringLiteral("btMenu%1").arg(i));
        m_bt[i]->setAutoRaise(true);
        m_bt[i]->setFixedSize(Twips(Largura - 20), Twips(AlturaEntrada));
        auto* h = new QHBoxLayout(m_bt[i]);
        h->setContentsMargins(8, 0, 4, 0);
        m_lb[i] = new QLabel(m_bt[i]);
        m_lb[i]->setObjectName(QStringLiteral("lbInfo%1").arg(i));
        m_lb[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        h->addWidget(m_lb[i]);
        static_cast<QVBoxLayout*>(m_frames[painelDaEntrada[i]]->layout())->addWidget(m_bt[i]);
        connect(m_bt[i], &QToolButton::clicked, this, [this, i] { clica(i); });
        m_bt[i]->setEnabled(false);
    }
    m_baixo = new QWidget(this);
    m_baixo->setObjectName(QStringLiteral("FrameBaixo"));
    m_baixo->setAutoFillBackground(true);
    QPalette pb = m_baixo->palette();
    pb.setColor(QPalette::Window, QColor(90, 200, 120));
    m_baixo->setPalette(pb);

    m_lb[0]->setText(QStringLiteral("Buck Test"));
    m_lb[1]->setText(QStringLiteral("PMU"));
    m_lb[2]->setText(QStringLiteral("Chestnut"));
    aplicaTextos();
    hide();
}

void fmxMenu::aplicaTextos() {
    m_bt[0]->setToolTip(QStringLiteral("Buck Test"));
    m_bt[1]->setToolTip(QStringLiteral("PMU"));
    m_bt[2]->setToolTip(Traduz(QStringLiteral("Tensões")) + QStringLiteral(" Chestnut"));
    m_lb[3]->setText(Traduz(QStringLiteral("TensoesRF")));
    m_bt[3]->setToolTip(Traduz(QStringLiteral("TensoesRF")));
}

void fmxMenu::ExibirMenu(int painel) {
    if (painel >= 0 && painel <= 2) {
        for (int p = 0; p < 3; ++p)
            m_frames[p]->setVisible(p == painel);
        m_frames[painel]->move(Twips(10), 0);
        m_frames[painel]->adjustSize();
        const int altura = painel == 0 ? 990 : 495;
        const int baixo = painel == 0 ? 960 : 480;
        m_baixo->setGeometry(0, Twips(baixo), Twips(Largura), Twips(altura) - Twips(baixo));
        resize(width(), Twips(altura));
        m_painel = painel;
    }
    resize(Twips(Largura), height());
}

void fmxMenu::defineAcao(int entrada, std::function<void()> acao, const QString& rotulo) {
    if (entrada < 0 || entrada > 3 || !acao)
        return;
    QList<Acao>& acoes = m_acoes[entrada];
    acoes.removeIf([&](const Acao& a) { return a.rotulo == rotulo; });
    acoes.append({rotulo, std::move(acao)});
    m_bt[entrada]->setEnabled(true);
}

void fmxMenu::clica(int entrada) {
    const QString rotulo = m_lb[entrada]->text();
    const Acao* escolhida = nullptr;
    for (const Acao& a : std::as_const(m_acoes[entrada])) {
        if (a.rotulo == rotulo) {
            escolhida = &a;
            break;
        }
        if (a.rotulo.isEmpty())
            escolhida = &a;
    }
    if (escolhida)
        escolhida->executa();
    hide();
}

} // namespace tarsel
