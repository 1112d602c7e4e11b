#include "chips/Tigris.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/DesenhoChip.h"
#include "chips/RegrasTigris.h"
#include "link/Resposta.h"
#include "tela/Conversoes.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int LarguraComLog = 16365;
constexpr int LarguraSemLog = 10125;
constexpr int Altura = 6840;

void pinta(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, CorBGR(corBGR));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

QLabel* rotulo(const QString& texto, QWidget* pai, bool negrito = false) {
    auto* l = new QLabel(texto, pai);
    if (negrito) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QString textoLog(bool visivel) {
    return visivel ? Traduz(QStringLiteral("Ocultar")) + QStringLiteral(" Log ->")
                   : Traduz(QStringLiteral("Exibir")) + QStringLiteral(" Log ->");
}
} // namespace

Tigris::Tigris(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Tigris, Codigo) {
    setWindowTitle(QStringLiteral("Tigris - Voltrace Tarsel"));
    montaTela();
    aplicaTextos();
    dispoePorModelo();
    // Opening reads at once when the phone is there and idle.
    QTimer::singleShot(0, this, [this] { executaLeitura(); });
}

QLabel* Tigris::lbUC() const {
    return m_desenho->lbUC();
}

void Tigris::montaTela() {
    setFixedSize(Twips(LarguraComLog), Twips(Altura));
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    auto* leituras = new QWidget(this);
    leituras->setFixedWidth(Twips(LarguraSemLog) - 16);
    auto* v = new QVBoxLayout(leituras);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* topo = new QHBoxLayout;
    m_desenho = new DesenhoChip(
        {QStringLiteral("TEST"), QStringLiteral("HDQ_GAUGE"), QStringLiteral("VDD_MAIN"), QStringLiteral("VBUS_DET"),
         QStringLiteral("INT"), QStringLiteral("SYS_ALIVE"), QStringLiteral("SDA"), QStringLiteral("SCL")},
        {QStringLiteral("PMID"), QStringLiteral("HDQ_HOST"), QStringLiteral("ACT_DIODE"), QStringLiteral("BATT"),
         QStringLiteral("BAT_SNS"), QStringLiteral("BUCK_SW"), QStringLiteral("BOOT"), QStringLiteral("LDO")},
        leituras);
    topo->addWidget(m_desenho, 0);

    auto campoValor = [&](const QString& nome, const QString& inicial, QWidget* pai) {
        auto* l = new QLabel(inicial, pai);
        l->setObjectName(nome);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMinimumWidth(110);
        pinta(l, Cores::Branco);
        m_campos.insert(nome, l);
        return l;
    };
    auto marcador = [&](int n, QWidget* pai) {
        auto* l = rotulo({}, pai, true);
        l->setObjectName(QStringLiteral("Baixa%1").arg(n));
        l->setStyleSheet(QStringLiteral("color: #c00000;"));
        l->hide();
        m_baixas.insert(n, l);
        return l;
    };

    // The main drawing's rows: caption, rail, value (and the current beside the voltage), low marker.
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(8);
    g->setVerticalSpacing(6);
    m_lbVBus1 = rotulo(QStringLiteral("VBUS"), leituras, true);
    m_lbVBus1->setObjectName(QStringLiteral("lb_VBus1"));
    int r = 0;
    g->addWidget(m_lbVBus1, r, 0);
    g->addWidget(rotulo(QStringLiteral("PP5V0_USB"), leituras), r, 1);
    g->addWidget(campoValor(QStringLiteral("VBus_V"), QStringLiteral("0 V"), leituras), r, 2);
    g->addWidget(campoValor(QStringLiteral("VBus_A"), QStringLiteral("0 mA"), leituras), r, 3);
    g->addWidget(marcador(RegrasTigris::BaixaVBus, leituras), r, 4);
    ++r;
    g->addWidget(rotulo(QStringLiteral("BATT"), leituras, true), r, 0);
    g->addWidget(rotulo(QStringLiteral("PP_BATT_VCC"), leituras), r, 1);
    g->addWidget(campoValor(QStringLiteral("VBat_V"), QStringLiteral("0 V"), leituras), r, 2);
    g->addWidget(campoValor(QStringLiteral("VBat_A"), QStringLiteral("0 mA"), leituras), r, 3);
    g->addWidget(marcador(RegrasTigris::BaixaBateria, leituras), r, 4);
    ++r;
    g->addWidget(rotulo(QStringLiteral("VDD"), leituras, true), r, 0);
    g->addWidget(rotulo(QStringLiteral("PP_VDD_MAIN"), leituras), r, 1);
    g->addWidget(campoValor(QStringLiteral("VDD_V"), QStringLiteral("0 V"), leituras), r, 2);
    ++r;
    g->addWidget(rotulo(QStringLiteral("TEMP"), leituras, true), r, 0);
    g->addWidget(campoValor(QStringLiteral("Temp"), QStringLiteral("0 º"), leituras), r, 2);
    ++r;
    g->setRowStretch(r, 1);
    g->setColumnStretch(5, 1);
    topo->addLayout(g, 1);
    v->addLayout(topo);

    // The second input path of the models that have one.
    m_frameVbusX = new QFrame(leituras);
    m_frameVbusX->setObjectName(QStringLiteral("FrameVbusX"));
    m_frameVbusX->setFrameShape(QFrame::StyledPanel);
    auto* gx = new QGridLayout(m_frameVbusX);
    gx->setContentsMargins(6, 4, 6, 4);
    gx->setHorizontalSpacing(8);
    gx->addWidget(rotulo(QStringLiteral("VBUS 1"), m_frameVbusX, true), 0, 0);
    gx->addWidget(rotulo(QStringLiteral("PP5V0_USB"), m_frameVbusX), 0, 1);
    gx->addWidget(campoValor(QStringLiteral("VBus_V1"), QStringLiteral("0 V"), m_frameVbusX), 0, 2);
    gx->addWidget(campoValor(QStringLiteral("VBus_A1"), QStringLiteral("0 mA"), m_frameVbusX), 0, 3);
    gx->addWidget(marcador(RegrasTigris::BaixaVBus1, m_frameVbusX), 0, 4);
    m_lbVBus2 = rotulo(QStringLiteral("VBUS 2"), m_frameVbusX, true);
    m_lbVBus2->setObjectName(QStringLiteral("lb_VBus2"));
    gx->addWidget(m_lbVBus2, 1, 0);
    gx->addWidget(rotulo(QStringLiteral("PP_VBUS2_IKTARA"), m_frameVbusX), 1, 1);
    gx->addWidget(campoValor(QStringLiteral("VBus_V2"), QStringLiteral("0 V"), m_frameVbusX), 1, 2);
    gx->addWidget(campoValor(QStringLiteral("VBus_A2"), QStringLiteral("0 mA"), m_frameVbusX), 1, 3);
    gx->addWidget(rotulo(QStringLiteral("VLDO"), m_frameVbusX, true), 2, 0);
    gx->addWidget(campoValor(QStringLiteral("lbVldo"), QStringLiteral("0 V"), m_frameVbusX), 2, 2);
    gx->addWidget(rotulo(QStringLiteral("VNTC"), m_frameVbusX, true), 2, 3, Qt::AlignRight);
    gx->addWidget(campoValor(QStringLiteral("lbvntc"), QStringLiteral("0 V"), m_frameVbusX), 2, 4);
    gx->setColumnStretch(5, 1);
    v->addWidget(m_frameVbusX);
    v->addStretch(1);

    m_lbVarInfo = rotulo({}, leituras);
    m_lbVarInfo->setObjectName(QStringLiteral("lbVarInfo"));
    m_lbVarInfo->setWordWrap(true);
    v->addWidget(m_lbVarInfo);
    m_lbAtencao = rotulo({}, leituras, true);
    m_lbAtencao->setObjectName(QStringLiteral("lbAtencao"));
    m_lbAtencao->setWordWrap(true);
    m_lbAtencao->setStyleSheet(QStringLiteral("color: #c00000;"));
    v->addWidget(m_lbAtencao);
    auto* botoes = new QHBoxLayout;
    m_btExecuta = new QPushButton(leituras);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btLog = new QPushButton(leituras);
    m_btLog->setObjectName(QStringLiteral("btLog"));
    botoes->addWidget(m_btExecuta);
    botoes->addStretch(1);
    botoes->addWidget(m_btLog);
    v->addLayout(botoes);
    h->addWidget(leituras);

    // The log: the raw answer, and the saved answer of the same model below it.
    m_painelLog = new QWidget(this);
    auto* vl = new QVBoxLayout(m_painelLog);
    vl->setContentsMargins(0, 0, 0, 0);
    m_lbLeitura = rotulo({}, m_painelLog);
    vl->addWidget(m_lbLeitura);
    m_txtDados = new QPlainTextEdit(m_painelLog);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setReadOnly(true);
    vl->addWidget(m_txtDados, 1);
    m_lbComparador = rotulo({}, m_painelLog);
    vl->addWidget(m_lbComparador);
    m_txtComparador = new QPlainTextEdit(m_painelLog);
    m_txtComparador->setObjectName(QStringLiteral("txtComparador"));
    m_txtComparador->setReadOnly(true);
    vl->addWidget(m_txtComparador, 1);
    h->addWidget(m_painelLog, 1);

    connect(m_btExecuta, &QPushButton::clicked, this, &Tigris::executaLeitura);
    connect(m_btLog, &QPushButton::clicked, this, &Tigris::alternaLog);
}

void Tigris::aplicaTextos() {
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbLeitura->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_btExecuta->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_lbVarInfo->setText(Traduz(QStringLiteral("VAR")).remove(QStringLiteral("  ")));
    m_btLog->setText(textoLog(true));
    for (QLabel* b : std::as_const(m_baixas))
        b->setText(QStringLiteral("* ") + Traduz(QStringLiteral("Baixa")));
    m_lbAtencao->setText(Traduz(QStringLiteral("AtencaoIC")));
}

void Tigris::executaLeitura() {
    if (!ocioso() || aguardando())
        return;
    PrePesquisa();
}

void Tigris::PrePesquisa() {
    limpa();
    envia(RegrasTigris::Comando);
}

void Tigris::limpa() {
    for (const char* nome : {"VBat_V", "VBus_V", "VBus_V1", "VBus_V2", "VDD_V"})
        pinta(m_campos.value(QLatin1String(nome)), Cores::Branco);
    for (const char* nome :
         {"VBus_A", "VBus_V", "VBus_V1", "VBus_V2", "VBat_A", "VBat_V", "VDD_V", "Temp", "VBus_A1", "VBus_A2"})
        m_campos.value(QLatin1String(nome))->clear();
    lbUC()->clear();
    m_txtDados->clear();
    for (QLabel* b : std::as_const(m_baixas))
        b->hide();
    dispoePorModelo();
}

void Tigris::dispoePorModelo() {
    const bool segunda = RegrasTigris::TemSegundaEntrada(familia());
    m_frameVbusX->setVisible(segunda);
    m_lbVBus2->setVisible(segunda);
    m_lbVBus1->setText(segunda ? QStringLiteral("VBUS 1") : QStringLiteral("VBUS"));
}

void Tigris::recebe(const Resposta& resposta) {
    m_txtDados->setPlainText(resposta.R);
    CarregaDados();
    mostraComparador();
}

void Tigris::CarregaDados() {
    const QString modelo = familia();
    const QString designador = RegrasTigris::Designador(modelo);
    if (!designador.isEmpty())
        lbUC()->setText(designador);
    const LeituraChip leitura = RegrasTigris::Le(modelo, m_txtDados->toPlainText());
    for (auto it = leitura.campos.cbegin(); it != leitura.campos.cend(); ++it) {
        QLabel* l = m_campos.value(it.key());
        if (!l)
            continue;
        l->setText(it.value().texto);
        if (!it.value().cor.isEmpty())
            pinta(l, it.value().cor);
    }
    for (int m : leitura.baixas)
        if (QLabel* b = m_baixas.value(m))
            b->show();
    terminaEspera();
}

void Tigris::mostraComparador() {
    m_txtComparador->setPlainText(respostaGravada(familia(), RegrasTigris::Comando));
}

void Tigris::aoBuscarDadosGravados(const QString&) {
    mostraComparador();
}

void Tigris::aoMudarModelo(const QString&) {
    dispoePorModelo();
}

void Tigris::aoIniciarEspera() {
    m_btExecuta->setEnabled(false);
}

void Tigris::aoTerminarEspera() {
    m_btExecuta->setEnabled(true);
}

void Tigris::alternaLog() {
    const bool mostrar = m_btLog->text() == textoLog(false);
    m_btLog->setText(textoLog(mostrar));
    m_painelLog->setVisible(mostrar);
    setFixedSize(Twips(mostrar ? LarguraComLog : LarguraSemLog), Twips(Altura));
    if (QWidget* janela = parentWidget()) {
        janela->adjustSize();
        if (QWidget* area = janela->parentWidget())
            posiciona(janela, area->size());
    }
}

void Tigris::posiciona(QWidget* janela, const QSize& area) {
    janela->move(qMax(0, (area.width() - janela->width()) / 2), Twips(850));
}

} // namespace tarsel
