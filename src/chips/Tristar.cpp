#include "chips/Tristar.h"

#include "base/Familias.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/DesenhoChip.h"
#include "chips/RegrasTristar.h"
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
constexpr int Largura = 10365;
constexpr int Altura = 6360;
const QString StatusNormal = QStringLiteral("&H0000C000");
const QString StatusFalha = QStringLiteral("&H00000000");

void pinta(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, CorBGR(corBGR));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

void pintaTexto(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, CorBGR(corBGR));
    l->setPalette(pal);
}
} // namespace

Tristar::Tristar(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Tristar, Codigo) {
    setWindowTitle(tituloInicial());
    montaTela();
    aplicaTextos();
    limpa();
    QTimer::singleShot(0, this, [this] { executaLeitura(); });
}

QString Tristar::tituloInicial() const {
    // Opened from the IC screen, the chip name follows that screen's button; opened any other way, the
    // family decides.
    if (const QWidget* ic = contexto().tela(NomeTela::IC)) {
        if (const auto* botao = ic->findChild<const QPushButton*>(QStringLiteral("btTristar")))
            return RegrasTristar::Titulo(botao->text());
    }
    return ChipUsb(familia()) + QStringLiteral(" - Voltrace Tarsel");
}

QLabel* Tristar::lbUC() const {
    return m_desenho->lbUC();
}

void Tristar::montaTela() {
    setFixedSize(Twips(Largura), Twips(Altura));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(8, 8, 8, 8);
    v->setSpacing(6);

    auto* topo = new QHBoxLayout;
    m_desenho = new DesenhoChip({QStringLiteral("ACC1"), QStringLiteral("ACC2"), QStringLiteral("DP1"),
                                 QStringLiteral("DN1"), QStringLiteral("SDA"), QStringLiteral("SCL")},
                                {QStringLiteral("JTAG_DIO"), QStringLiteral("JTAG_CLK"), QStringLiteral("UART0_RX"),
                                 QStringLiteral("UART0_TX"), QStringLiteral("USB1_DN"), QStringLiteral("USB1_DP")},
                                this);
    topo->addWidget(m_desenho);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(8);
    auto rotulo = [&](const QString& nome, int minimo, bool caixa) {
        auto* l = new QLabel(this);
        l->setObjectName(nome);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(minimo);
        if (caixa) {
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
        }
        m_campos.insert(nome, l);
        return l;
    };
    auto icone = [&](QMap<int, QLabel*>& mapa, const QString& prefixo, int i, bool ok) {
        auto* l = new QLabel(this);
        l->setObjectName(prefixo + QString::number(i));
        l->setPixmap(MarcaResultado(ok));
        mapa.insert(i, l);
        return l;
    };
    for (int r = 1; r <= RegrasTristar::Linhas; ++r) {
        const int linha = (r - 1) * 2;
        QLabel* nome = rotulo(QStringLiteral("lbNomeMalha%1").arg(r), 0, false);
        QFont f = nome->font();
        f.setBold(true);
        nome->setFont(f);
        g->addWidget(nome, linha, 0, 1, 5, Qt::AlignLeft);
        g->addWidget(rotulo(QStringLiteral("Malha%1_V").arg(r), 90, true), linha + 1, 0);
        g->addWidget(rotulo(QStringLiteral("Malha%1_A").arg(r), 90, true), linha + 1, 1);
        g->addWidget(rotulo(QStringLiteral("Porc%1").arg(r), 70, true), linha + 1, 2);
        if (r < RegrasTristar::Linhas) {
            g->addWidget(icone(m_ok, QStringLiteral("OK"), r, true), linha + 1, 3);
            g->addWidget(icone(m_no, QStringLiteral("NO"), r, false), linha + 1, 3);
        }
    }
    g->setColumnStretch(4, 1);
    topo->addLayout(g, 1);
    v->addLayout(topo);

    auto* status = new QHBoxLayout;
    status->addWidget(icone(m_ok, QStringLiteral("OK"), 0, true));
    status->addWidget(icone(m_no, QStringLiteral("NO"), 0, false));
    m_lbStatus = new QLabel(this);
    m_lbStatus->setObjectName(QStringLiteral("lbStatus"));
    QFont fs = m_lbStatus->font();
    fs.setBold(true);
    fs.setPointSizeF(fs.pointSizeF() * 1.4);
    m_lbStatus->setFont(fs);
    status->addWidget(m_lbStatus);
    status->addStretch(1);
    v->addLayout(status);

    auto* nota = new QHBoxLayout;
    nota->addWidget(icone(m_ok, QStringLiteral("OK"), 3, true), 0, Qt::AlignTop);
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setWordWrap(true);
    nota->addWidget(m_lbStatus2, 1);
    v->addLayout(nota);

    m_lbAtencao = new QLabel(this);
    m_lbAtencao->setObjectName(QStringLiteral("lbAtencao"));
    m_lbAtencao->setWordWrap(true);
    m_lbAtencao->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    v->addWidget(m_lbAtencao);
    v->addStretch(1);

    m_btExecuta = new QPushButton(this);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    v->addWidget(m_btExecuta, 0, Qt::AlignLeft);

    // Not shown: the raw console the reading came from, for whoever wants to look at it in a test.
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->hide();

    connect(m_btExecuta, &QPushButton::clicked, this, &Tristar::executaLeitura);
}

void Tristar::aplicaTextos() {
    m_btExecuta->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_lbAtencao->setText(Traduz(QStringLiteral("AtencaoIC")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")) + QStringLiteral(" * ACC = 0 V"));
}

void Tristar::executaLeitura() {
    if (!ocioso() || aguardando())
        return;
    PrePesquisa();
}

void Tristar::limpa() {
    for (int r = 1; r <= RegrasTristar::Linhas; ++r) {
        QLabel* porc = campo(QStringLiteral("Porc%1").arg(r));
        porc->setText(QStringLiteral("0 %"));
        pinta(porc, Cores::Branco);
        for (const QString& nome :
             {QStringLiteral("Malha%1_V"), QStringLiteral("Malha%1_A"), QStringLiteral("lbNomeMalha%1")})
            campo(nome.arg(r))->clear();
    }
    for (const char* nome : {"Malha1_V", "Malha1_A", "Malha2_V", "Malha2_A", "Malha3_V", "Malha3_A"})
        pinta(campo(QLatin1String(nome)), Cores::Branco);
    m_lbStatus->clear();
    for (QLabel* l : std::as_const(m_ok))
        l->hide();
    for (QLabel* l : std::as_const(m_no))
        l->hide();
    m_lbStatus2->hide();
}

void Tristar::PrePesquisa() {
    limpa();
    envia(RegrasTristar::Comando);
}

void Tristar::recebe(const Resposta& resposta) {
    m_txtDados->setPlainText(resposta.console);
    // Only this answer is read: older answers in the console may hold the same keys.
    mostra(resposta.R);
}

void Tristar::CarregaDados() {
    mostra(m_txtDados->toPlainText());
}

void Tristar::mostra(const QString& resposta) {
    const QString modelo = familia();
    const QString designador = RegrasTristar::Designador(modelo);
    if (!designador.isEmpty())
        lbUC()->setText(designador);
    const QStringList malhas = RegrasTristar::NomesMalhas(modelo);
    for (int r = 1; r <= malhas.size(); ++r)
        campo(QStringLiteral("lbNomeMalha%1").arg(r))->setText(malhas.at(r - 1));

    const RegrasTristar::LeituraTristar t = RegrasTristar::Le(modelo, resposta);
    for (auto it = t.leitura.campos.cbegin(); it != t.leitura.campos.cend(); ++it) {
        QLabel* l = campo(it.key());
        if (!l)
            continue;
        l->setText(it.value().texto);
        if (!it.value().cor.isEmpty())
            pinta(l, it.value().cor);
    }
    QLabel* porc3 = campo(QStringLiteral("Porc3"));
    porc3->setText(QStringLiteral("ACC"));
    pinta(porc3, Cores::VerdeClaro);
    for (int r = 1; r < RegrasTristar::Linhas; ++r) {
        m_ok.value(r)->setVisible(t.aprovadas.contains(r));
        m_no.value(r)->setVisible(!t.aprovadas.contains(r));
    }
    // The caption stays "NORMAL"; a failure only turns it black.
    m_lbStatus->setText(Traduz(QStringLiteral("NORMAL")));
    pintaTexto(m_lbStatus, t.falhou() ? StatusFalha : StatusNormal);
    m_ok.value(0)->show();
    m_lbStatus2->show();
    m_ok.value(3)->show();
    terminaEspera();
}

void Tristar::aoMudarModelo(const QString& familia) {
    setWindowTitle(ChipUsb(familia) + QStringLiteral(" - Voltrace Tarsel"));
}

void Tristar::aoIniciarEspera() {
    m_btExecuta->setEnabled(false);
}

void Tristar::aoTerminarEspera() {
    m_btExecuta->setEnabled(true);
}

void Tristar::posiciona(QWidget* janela, const QSize& area) {
    janela->move(qMax(0, (area.width() - janela->width()) / 2), Twips(850));
}

} // namespace tarsel
