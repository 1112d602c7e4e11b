#include "console/xCores.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Traducao.h"
#include "store/Banco.h"
#include "tela/Conversoes.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int Colunas = 6;
constexpr int LadoAmostra = 22; // px
} // namespace

xCores::xCores(AlvoCores& alvo, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_alvoCores(alvo) {
    setObjectName(QStringLiteral("xCores"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Traduz(QStringLiteral("SeletorCores")));

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 10);
    auto* colunas = new QHBoxLayout;
    colunas->setSpacing(14);
    const auto& paleta = PaletaCoresConsole();
    for (int lado = 0; lado < 2; ++lado) {
        auto* coluna = new QVBoxLayout;
        auto* titulo = new QLabel(
            Traduz(lado == 0 ? QStringLiteral("Comandos") : QStringLiteral("Comparador")).toUpper() + QLatin1Char(':'),
            this);
        QFont f = titulo->font();
        f.setBold(true);
        titulo->setFont(f);
        coluna->addWidget(titulo);
        auto* frames = new QHBoxLayout;
        for (int k = 0; k < 2; ++k) {
            const int alvo = lado * 2 + k;
            auto* frame = new QGroupBox(
                Traduz(k == 0 ? QStringLiteral("CorFundo") : QStringLiteral("CorFonte")).toUpper() + QLatin1Char(':'),
                this);
            frame->setObjectName(QStringLiteral("Frame%1").arg(alvo + 1));
            frame->setMouseTracking(true);
            frame->installEventFilter(this);
            auto* grade = new QGridLayout(frame);
            grade->setSpacing(3);
            for (int i = 0; i < Amostras; ++i) {
                const int indice = alvo * Amostras + i;
                auto* amostra = new QLabel(frame);
                amostra->setObjectName(QStringLiteral("Cor%1").arg(indice));
                amostra->setFixedSize(LadoAmostra, LadoAmostra);
                amostra->setFrameShape(QFrame::Box);
                amostra->setAutoFillBackground(true);
                QPalette p = amostra->palette();
                p.setColor(QPalette::Window, CorVB(paleta[size_t(i)]));
                amostra->setPalette(p);
                amostra->setCursor(Qt::PointingHandCursor);
                amostra->installEventFilter(this);
                grade->addWidget(amostra, i / Colunas, i % Colunas);
                m_cor[size_t(indice)] = amostra;
            }
            frames->addWidget(frame);
            m_frames[size_t(alvo)] = frame;
        }
        coluna->addLayout(frames);
        colunas->addLayout(coluna);
    }
    v->addLayout(colunas);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    m_btSalvar = new QPushButton(Traduz(QStringLiteral("Salvar")), this);
    m_btSalvar->setObjectName(QStringLiteral("btSalvar"));
    m_btRestaurar = new QPushButton(Traduz(QStringLiteral("Restaurar")), this);
    m_btRestaurar->setObjectName(QStringLiteral("btRestaurar"));
    connect(m_btSalvar, &QPushButton::clicked, this, &xCores::Salvar);
    connect(m_btRestaurar, &QPushButton::clicked, this, &xCores::Restaurar);
    botoes->addWidget(m_btSalvar);
    botoes->addWidget(m_btRestaurar);
    v->addLayout(botoes);
    adjustSize();
}

void xCores::clicaCor(int indice) {
    if (indice < 0 || indice >= int(m_cor.size()))
        return;
    // A click falls inside the frame the pointer is over.
    m_alvo = AlvoCor(indice / Amostras);
    const NumeroCor numero = PaletaCoresConsole()[size_t(indice % Amostras)];
    m_alvoCores.aplicaCor(m_alvo, numero);
    if (m_alvo == AlvoCor::FundoConsole)
        m_alvoCores.defineFundoAuto(palette().color(QPalette::Window));
}

void xCores::grava() {
    std::array<NumeroCor, 4> cores{};
    for (int i = 0; i < 4; ++i)
        cores[size_t(i)] = m_alvoCores.corAtual(AlvoCor(i));
    try {
        Banco b;
        GravaCoresConsole(b, cores);
    } catch (const ErroVB&) {
        // The colours stay on the console for this session; nothing else to do.
    }
    dialogos().mensagem(Dialogos::Icone::Informacao, QStringLiteral("Cores / Colors"),
                        Traduz(QStringLiteral("ConfiguracaoSalva")));
}

void xCores::Salvar() {
    grava();
    close();
}

void xCores::Restaurar() {
    const auto padrao = CoresPadraoConsole();
    for (int i = 0; i < 4; ++i)
        m_alvoCores.aplicaCor(AlvoCor(i), padrao[size_t(i)]);
    grava();
    QApplication::processEvents();
    m_alvoCores.BuscaCores();
    close();
}

bool xCores::eventFilter(QObject* o, QEvent* e) {
    for (int i = 0; i < 4; ++i) {
        if (o == m_frames[size_t(i)] && (e->type() == QEvent::Enter || e->type() == QEvent::MouseMove))
            m_alvo = AlvoCor(i);
    }
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const QString nome = o->objectName();
        if (nome.startsWith(QLatin1String("Cor"))) {
            bool ok = false;
            const int indice = nome.mid(3).toInt(&ok);
            if (ok)
                clicaCor(indice);
        }
    }
    return QWidget::eventFilter(o, e);
}

} // namespace tarsel
