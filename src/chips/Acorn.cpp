#include "chips/Acorn.h"

#include "base/Dialogos.h"
#include "base/Familias.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/DesenhoChip.h"
#include "chips/ExportaRelatorioChip.h"
#include "chips/RegrasAcorn.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int Largura = 12825;
constexpr int Altura = 8610;

void pinta(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, CorBGR(corBGR));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}
} // namespace

Acorn::Acorn(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Acorn, Codigo) {
    setWindowTitle(QStringLiteral("Acorn - Voltrace Tarsel"));
    montaTela();
    aplicaTextos();
    limpa();
    QTimer::singleShot(0, this, [this] {
        if (ocioso())
            executaLeitura();
    });
}

QLabel* Acorn::lbUC() const {
    return m_desenho->lbUC();
}

void Acorn::montaTela() {
    setFixedSize(Twips(Largura), Twips(Altura));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 10, 10, 10);
    v->setSpacing(8);

    auto* topo = new QHBoxLayout;
    topo->setSpacing(12);
    auto* esquerda = new QVBoxLayout;
    m_desenho = new DesenhoChip({QStringLiteral("CP1"), QStringLiteral("CP2"), QStringLiteral("CP3")},
                                {QStringLiteral("LDO2"), QStringLiteral("TEMP")}, this);
    m_desenho->setMinimumSize(230, 200);
    m_desenho->setMaximumHeight(240);
    lbUC()->setText(RegrasAcorn::Designador);
    esquerda->addWidget(m_desenho);

    auto caixa = [&](const QString& nome, int minimo) {
        auto* l = new QLabel(this);
        l->setObjectName(nome);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(minimo);
        l->setFixedHeight(26);
        pinta(l, Cores::Branco);
        m_campos.insert(nome, l);
        return l;
    };
    auto negrito = [&](const QString& texto, double escala = 0.9) {
        auto* l = new QLabel(texto, this);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * escala);
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    auto icone = [&](int i, bool ok) {
        auto* l = new QLabel(this);
        l->setObjectName((ok ? QStringLiteral("OK") : QStringLiteral("NO")) + QString::number(i));
        l->setPixmap(MarcaResultado(ok));
        (ok ? m_ok : m_no).insert(i, l);
        return l;
    };

    // The temperature and the four currents under the drawing.
    auto* gc = new QGridLayout;
    gc->setHorizontalSpacing(6);
    gc->setVerticalSpacing(8);
    gc->addWidget(negrito(QStringLiteral("TEMP")), 0, 0);
    gc->addWidget(caixa(QStringLiteral("Temp"), 90), 0, 1);
    for (int i = 1; i <= 4; ++i) {
        static const char* const nomes[] = {"Acorn ia:", "Acorn in:", "Acorn ip:", "Acorn ih:"};
        gc->addWidget(negrito(QLatin1String(nomes[i - 1])), i, 0);
        gc->addWidget(caixa(QStringLiteral("AMP%1").arg(i), 90), i, 1);
    }
    gc->setColumnStretch(2, 1);
    esquerda->addSpacing(10);
    esquerda->addLayout(gc);
    esquerda->addStretch(1);
    topo->addLayout(esquerda, 0);

    // One row per rail, in the report's order: name, reading, deviation, verdict.
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(9);
    struct Linha {
        const char* malha;
        int n; // the line; -1 for a rail the chip does not report
    };
    const Linha linhas[] = {
        {"PP1V1_RACER", 8},     {"PP3V5_RACER", 7},           {"PP5V25_TOUCH_VDDH", 5}, {"PN6V7_RACER", 4},
        {"PP10V0_RACER", 3},    {"PP1V8_TOUCH_RACER_S2", 10}, {"PP1V1_S2", 9},          {"PP5V45_BOOST2_ACORN", -1},
        {"PP_BOOST1_ACORN", 2}, {"PP_CP1_OUT_ACORN", 6},      {"PP_VDD_MAIN", 1},       {"GND", 0},
    };
    int r = 0;
    for (const Linha& l : linhas) {
        QLabel* nome = negrito(QLatin1String(l.malha));
        nome->setFixedHeight(26);
        g->addWidget(nome, r, 0);
        if (l.n < 0) {
            nome->setStyleSheet(QStringLiteral("color: #555;"));
            ++r;
            continue;
        }
        g->addWidget(caixa(QStringLiteral("M%1").arg(l.n), 96), r, 1);
        if (l.n >= 2)
            g->addWidget(caixa(QStringLiteral("P%1").arg(l.n), 70), r, 2);
        g->addWidget(icone(l.n, true), r, 3);
        if (l.n != 1)
            g->addWidget(icone(l.n, false), r, 3);
        ++r;
    }
    g->setColumnStretch(4, 1);
    g->setRowStretch(r, 1);
    topo->addLayout(g, 1);
    v->addLayout(topo, 1);

    auto* geral = new QHBoxLayout;
    geral->addWidget(icone(RegrasAcorn::IconeGeral, true));
    geral->addWidget(icone(RegrasAcorn::IconeGeral, false));
    m_lbStatus2 = negrito({}, 1.1);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    geral->addWidget(m_lbStatus2, 1);
    v->addLayout(geral);

    auto* botoes = new QHBoxLayout;
    m_btExecuta = new QPushButton(this);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btExportar = new QPushButton(this);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    m_btSalvarPdf = new QPushButton(this);
    m_btSalvarPdf->setObjectName(QStringLiteral("btSalvarPdf"));
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btExportar);
    botoes->addWidget(m_btSalvarPdf);
    botoes->addStretch(1);
    v->addLayout(botoes);

    // Not shown: the console the reading came from.
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->hide();

    connect(m_btExecuta, &QPushButton::clicked, this, &Acorn::executaLeitura);
    connect(m_btExportar, &QPushButton::clicked, this, [this] { exporta(); });
    connect(m_btSalvarPdf, &QPushButton::clicked, this, [this] { exporta(true); });
}

void Acorn::aplicaTextos() {
    m_btExecuta->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_btExportar->setText(Traduz(QStringLiteral("Gerar Relatório PDF")).trimmed());
    m_btSalvarPdf->setText(Traduz(QStringLiteral("Salvar PDF")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")));
}

void Acorn::executaLeitura() {
    if (!FamiliaX(familia())) {
        Mensagem(QStringLiteral("SOMENTE_X"));
        return;
    }
    if (!ocioso() || aguardando())
        return;
    limpa();
    envia(RegrasAcorn::Comando);
}

void Acorn::limpa() {
    // The ground line, the temperature and the currents keep their last reading until the next one lands.
    for (int i = 1; i <= RegrasAcorn::IconeGeral; ++i) {
        if (QLabel* ok = m_ok.value(i))
            ok->hide();
        if (QLabel* no = m_no.value(i))
            no->hide();
    }
    for (int n = 2; n <= 10; ++n) {
        QLabel* p = campo(QStringLiteral("P%1").arg(n));
        p->setText(QStringLiteral("0 %"));
        pinta(p, Cores::Branco);
    }
    for (int n = 1; n <= 10; ++n)
        campo(QStringLiteral("M%1").arg(n))->clear();
    m_lbStatus2->hide();
}

void Acorn::recebe(const Resposta& resposta) {
    m_txtDados->setPlainText(resposta.console);
    CarregaDados();
}

void Acorn::CarregaDados() {
    const RegrasAcorn::LeituraAcorn a = RegrasAcorn::Le(m_txtDados->toPlainText());
    for (auto it = a.leitura.campos.cbegin(); it != a.leitura.campos.cend(); ++it) {
        QLabel* l = campo(it.key());
        if (!l)
            continue;
        l->setText(it.value().texto);
        if (!it.value().cor.isEmpty())
            pinta(l, it.value().cor);
    }
    for (int i = 0; i <= RegrasAcorn::IconeGeral; ++i) {
        if (QLabel* ok = m_ok.value(i))
            ok->setVisible(a.aprovados.contains(i));
        if (QLabel* no = m_no.value(i))
            no->setVisible(a.reprovados.contains(i));
    }
    m_lbStatus2->show();
    terminaEspera();
}

void Acorn::exporta(bool comoPdf) {
    protege([this, comoPdf] {
        ExportaRelatorioChip(RelatorioChip::PaginaAcorn, RegrasAcorn::EntradasRelatorio(), m_campos, m_ok, familia(),
                             contexto().numeroModelo(), comoPdf);
    });
}

void Acorn::aoIniciarEspera() {
    m_btExecuta->setEnabled(false);
}

void Acorn::aoTerminarEspera() {
    m_btExecuta->setEnabled(true);
}

void Acorn::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area);
}

} // namespace tarsel
