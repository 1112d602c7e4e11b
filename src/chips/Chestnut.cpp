#include "chips/Chestnut.h"

#include "base/Dialogos.h"
#include "base/Familias.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "chips/DesenhoChip.h"
#include "chips/ExportaRelatorioChip.h"
#include "chips/RegrasChestnut.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int LarguraComLog = 18855;
constexpr int LarguraSemLog = 10830;
constexpr int LarguraLeituras = 10740;
constexpr int Altura = 6690;
constexpr int Topo = 1300;

void pinta(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, CorBGR(corBGR));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

QString textoTouch(const char* acao) {
    return Traduz(QLatin1String(acao)) + QStringLiteral(" Touch");
}

QString textoExibirLog() {
    return Traduz(QStringLiteral("Exibir")) + QStringLiteral(" Log ->");
}
} // namespace

Chestnut::Chestnut(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Chestnut, Codigo) {
    setWindowTitle(QStringLiteral("Chestnut - Voltrace Tarsel"));
    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(1000);
    m_timerTouch.setObjectName(QStringLiteral("TimerTouch"));
    m_timerTouch.setInterval(200);
    connect(&m_timer1, &QTimer::timeout, this, &Chestnut::tiqueTimer1);
    connect(&m_timerTouch, &QTimer::timeout, this, &Chestnut::tiqueTouch);
    montaTela();
    aplicaTextos();
    limpa();
    ajustaLargura(false);
    // Opening reads at once when the phone is there and idle.
    QTimer::singleShot(0, this, [this] {
        if (ocioso())
            executaLeitura();
    });
}

QLabel* Chestnut::lbUC() const {
    return m_desenho->lbUC();
}

void Chestnut::montaTela() {
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(8, 8, 8, 8);
    h->setSpacing(10);

    auto* leituras = new QWidget(this);
    leituras->setFixedWidth(Twips(LarguraLeituras) - 16);
    auto* v = new QVBoxLayout(leituras);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(6);

    auto* topo = new QHBoxLayout;
    topo->setSpacing(8);
    m_desenho = new DesenhoChip({QStringLiteral("ADCMUX"), QStringLiteral("RESET"), QStringLiteral("LCM_EN"),
                                 QStringLiteral("SDA"), QStringLiteral("SCL"), QStringLiteral("SYNC"),
                                 QStringLiteral("VIN"), QStringLiteral("GND")},
                                {QStringLiteral("HVLDO3"), QStringLiteral("HVLDO2"), QStringLiteral("HVLDO1"),
                                 QStringLiteral("VNEG(SUB)"), QStringLiteral("VNEG"), QStringLiteral("CPUMP"),
                                 QStringLiteral("LCMBST"), QStringLiteral("CF2"), QStringLiteral("CF1")},
                                leituras);
    m_desenho->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    topo->addWidget(m_desenho, 0);

    auto* g = new QGridLayout;
    g->setHorizontalSpacing(5);
    g->setVerticalSpacing(14);
    auto malha = [&](const QString& texto) {
        auto* l = new QLabel(texto, leituras);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 0.9);
        f.setBold(true);
        l->setFont(f);
        return l;
    };
    auto caixa = [&](const QString& nome, int minimo) {
        auto* l = new QLabel(leituras);
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
    auto icones = [&](int i, int linha) {
        for (bool ok : {true, false}) {
            auto* l = new QLabel(leituras);
            l->setObjectName((ok ? QStringLiteral("OK") : QStringLiteral("NO")) + QString::number(i));
            l->setPixmap(MarcaResultado(ok));
            (ok ? m_ok : m_no).insert(i, l);
            g->addWidget(l, linha, 4);
        }
    };
    // One row per rail: name, reading, current (where the chip measures one), deviation, verdict.
    struct Linha {
        const char* malha;
        const char* valor;
        const char* corrente;
        const char* porcento;
        int icone;
    };
    const Linha linhas[] = {
        {"PP_VDD_MAIN", "VIN_V", nullptr, nullptr, -1},
        {"PP5V1_TOUCH_VDDH", "iLDO_V3", "iLDO_A3", "Porc3", 4},
        {"PP5V7_LCM_AVDDH", "iLDO_V2", "iLDO_A2", "Porc2", 3},
        {"PP5V7_MESON_AVDDH", "iLDO_V1", "iLDO_A1", "Porc1", 2},
        {"PN -5V7_DISPLAY_MESON_AVDDN", "VNEG_V", "VNEG_A", "Porc4", 1},
        {"PP6V0_DISPLAY_BOOST", "BOOST_V", nullptr, "Porc5", 0},
        {"GND", "gndV", nullptr, nullptr, -1},
    };
    int r = 0;
    for (const Linha& l : linhas) {
        g->addWidget(malha(QLatin1String(l.malha)), r, 0);
        g->addWidget(caixa(QLatin1String(l.valor), 74), r, 1);
        if (l.corrente)
            g->addWidget(caixa(QLatin1String(l.corrente), 60), r, 2);
        if (l.porcento)
            g->addWidget(caixa(QLatin1String(l.porcento), 56), r, 3);
        if (l.icone >= 0)
            icones(l.icone, r);
        ++r;
    }
    QLabel* bomba = malha(QStringLiteral("PP_CHESTNUT_CP / CN 6.0V"));
    bomba->setStyleSheet(QStringLiteral("color: #555;"));
    g->addWidget(bomba, r, 0, 1, 5);
    g->setRowStretch(r + 1, 1);
    topo->addLayout(g, 1);
    v->addLayout(topo, 1);

    m_lbVarInfo = new QLabel(leituras);
    m_lbVarInfo->setObjectName(QStringLiteral("lbVarInfo"));
    m_lbVarInfo->setWordWrap(true);
    v->addWidget(m_lbVarInfo);

    auto* botoes = new QHBoxLayout;
    m_btExecuta = new QPushButton(leituras);
    m_btExecuta->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btTouch = new QPushButton(leituras);
    m_btTouch->setObjectName(QStringLiteral("btTouch"));
    m_btExportar = new QPushButton(leituras);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    m_btSalvarPdf = new QPushButton(leituras);
    m_btSalvarPdf->setObjectName(QStringLiteral("btSalvarPdf"));
    m_btLog = new QPushButton(leituras);
    m_btLog->setObjectName(QStringLiteral("btLog"));
    botoes->addWidget(m_btExecuta);
    botoes->addWidget(m_btTouch);
    botoes->addWidget(m_btExportar);
    botoes->addWidget(m_btSalvarPdf);
    botoes->addStretch(1);
    botoes->addWidget(m_btLog);
    v->addLayout(botoes);
    h->addWidget(leituras);

    // The log: the raw answer, and the saved answer of the same model below it.
    m_painelLog = new QWidget(this);
    auto* vl = new QVBoxLayout(m_painelLog);
    vl->setContentsMargins(0, 0, 0, 0);
    m_lbLeitura = new QLabel(m_painelLog);
    vl->addWidget(m_lbLeitura);
    m_txtDados = new QPlainTextEdit(m_painelLog);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setReadOnly(true);
    vl->addWidget(m_txtDados, 1);
    m_lbComparador = new QLabel(m_painelLog);
    vl->addWidget(m_lbComparador);
    m_txtComparador = new QPlainTextEdit(m_painelLog);
    m_txtComparador->setObjectName(QStringLiteral("txtComparador"));
    m_txtComparador->setReadOnly(true);
    vl->addWidget(m_txtComparador, 1);
    h->addWidget(m_painelLog, 1);

    connect(m_btExecuta, &QPushButton::clicked, this, &Chestnut::executaLeitura);
    connect(m_btTouch, &QPushButton::clicked, this, &Chestnut::alternaTouch);
    connect(m_btExportar, &QPushButton::clicked, this, [this] { exporta(); });
    connect(m_btSalvarPdf, &QPushButton::clicked, this, [this] { exporta(true); });
    connect(m_btLog, &QPushButton::clicked, this, &Chestnut::alternaLog);
}

void Chestnut::aplicaTextos() {
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbLeitura->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_btExecuta->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_lbVarInfo->setText(Traduz(QStringLiteral("VAR")));
    m_btLog->setText(textoExibirLog());
    m_btTouch->setText(textoTouch("Desativar"));
    m_btExportar->setText(Traduz(QStringLiteral("Gerar Relatório PDF")).trimmed());
    m_btSalvarPdf->setText(Traduz(QStringLiteral("Salvar PDF")));
}

void Chestnut::executaLeitura() {
    if (FamiliaX(familia())) {
        dialogos().mensagem(Dialogos::Icone::Informacao, QStringLiteral("IP X!"), QStringLiteral("NOT FOR X!"));
        return;
    }
    if (!ocioso() || aguardando())
        return;
    PrePesquisa();
}

void Chestnut::PrePesquisa() {
    limpa();
    envia(RegrasChestnut::Comando);
}

void Chestnut::limpa() {
    for (int i = 1; i <= RegrasChestnut::Icones; ++i) {
        QLabel* porc = campo(QStringLiteral("Porc%1").arg(i));
        porc->setText(QStringLiteral("0 %"));
        pinta(porc, Cores::Branco);
    }
    for (const char* nome : {"BOOST_V", "VNEG_A", "VNEG_V", "iLDO_A1", "iLDO_A2", "iLDO_A3", "iLDO_V1", "iLDO_V2",
                             "iLDO_V3", "VIN_V", "gndV"})
        campo(QLatin1String(nome))->clear();
    lbUC()->clear();
    m_txtDados->clear();
    for (QLabel* l : std::as_const(m_ok))
        l->hide();
    for (QLabel* l : std::as_const(m_no))
        l->hide();
    m_btTouch->hide();
}

void Chestnut::recebe(const Resposta& resposta) {
    m_txtDados->setPlainText(resposta.R);
    CarregaDados();
    mostraComparador();
}

void Chestnut::CarregaDados() {
    const QString designador = RegrasChestnut::Designador(familia());
    if (!designador.isEmpty())
        lbUC()->setText(designador);
    const RegrasChestnut::LeituraChestnut c = RegrasChestnut::Le(m_txtDados->toPlainText());
    for (auto it = c.leitura.campos.cbegin(); it != c.leitura.campos.cend(); ++it) {
        QLabel* l = campo(it.key());
        if (!l)
            continue;
        l->setText(it.value().texto);
        if (!it.value().cor.isEmpty())
            pinta(l, it.value().cor);
    }
    for (int i : c.aprovados)
        m_ok.value(i)->show();
    for (int i : c.reprovados)
        m_no.value(i)->show();
    m_btTouch->show();
    // The touch supply reads wrong when the touch controller is off: one more reading with it on, once.
    if (c.touchForaDaFaixa && !m_touchUsado) {
        m_touchUsado = true;
        m_timerTouch.start();
    }
    terminaEspera();
}

void Chestnut::enviaTouch(const QString& comando) {
    limpa();
    // Sent for no screen: its answer only switches the controller; the fresh reading comes from Timer1.
    contexto().envia(0, comando);
    m_timer1.start();
}

void Chestnut::alternaTouch() {
    m_touchUsado = true;
    if (!ocioso() || aguardando())
        return;
    const bool ligar = m_btTouch->text() == textoTouch("Ativar");
    m_btTouch->setText(textoTouch(ligar ? "Desativar" : "Ativar"));
    enviaTouch(ligar ? RegrasChestnut::TouchLiga : RegrasChestnut::TouchDesliga);
}

void Chestnut::tiqueTouch() {
    if (!ocioso() || aguardando())
        return;
    m_timerTouch.stop();
    m_btTouch->setText(textoTouch("Desativar"));
    enviaTouch(RegrasChestnut::TouchLiga);
}

void Chestnut::tiqueTimer1() {
    if (!ocioso() || aguardando())
        return;
    m_timer1.stop();
    executaLeitura();
}

void Chestnut::exporta(bool comoPdf) {
    protege([this, comoPdf] {
        ExportaRelatorioChip(RelatorioChip::PaginaChestnut, RegrasChestnut::EntradasRelatorio(), m_campos, m_ok,
                             familia(), contexto().numeroModelo(), comoPdf);
    });
}

void Chestnut::mostraComparador() {
    m_txtComparador->setPlainText(respostaGravada(familia(), RegrasChestnut::Comando));
}

void Chestnut::aoBuscarDadosGravados(const QString&) {
    mostraComparador();
}

void Chestnut::aoIniciarEspera() {
    m_btExecuta->setEnabled(false);
}

void Chestnut::aoTerminarEspera() {
    m_btExecuta->setEnabled(true);
}

void Chestnut::ajustaLargura(bool comLog) {
    m_painelLog->setVisible(comLog);
    setFixedSize(Twips(comLog ? LarguraComLog : LarguraSemLog), Twips(Altura));
}

void Chestnut::alternaLog() {
    const bool mostrar = m_btLog->text() == textoExibirLog();
    m_btLog->setText(mostrar ? Traduz(QStringLiteral("Ocultar")) : textoExibirLog());
    ajustaLargura(mostrar);
    if (QWidget* janela = parentWidget()) {
        janela->adjustSize();
        if (QWidget* area = janela->parentWidget())
            posiciona(janela, area->size());
    }
}

void Chestnut::posiciona(QWidget* janela, const QSize& area) {
    janela->move(qMax(0, (area.width() - janela->width()) / 2), Twips(Topo));
}

} // namespace tarsel
