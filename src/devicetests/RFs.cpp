#include "devicetests/RFs.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"
#include "tela/PainelProgresso.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 13170;       // twips
constexpr int LarguraComparador = 18540; // twips, with the comparator shown
constexpr int AlturaTela = 8100;         // twips
constexpr int TamanhoFigura = 40;

using RFsParse::Acao;

} // namespace

RFs::RFs(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::RFs, Codigo) {
    montaTela();
    aplicaTextos();
    defineComparador({}, {});
    definePainelEspera(m_frameVCore, [this] { return m_txtDados->geometry(); });

    m_timer1.setInterval(RFsParse::IntervaloEsperaMs);
    connect(&m_timer1, &QTimer::timeout, this, &RFs::tique);
    m_timerAguarde.setInterval(RFsParse::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QLabel::hide);
}

void RFs::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* fora = new QHBoxLayout(this);
    fora->setContentsMargins(10, 8, 10, 8);
    fora->setSpacing(10);
    auto* v = new QVBoxLayout;
    v->setSpacing(6);
    fora->addLayout(v, 1);
    QFont negrito = font();
    negrito.setBold(true);

    // The five radio rows: the row's coloured name, then ON, OFF and properties.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(12);
    m_frameBotoes = new QFrame(this);
    m_frameBotoes->setObjectName(QStringLiteral("FrameBotoes"));
    auto* grade = new QGridLayout(m_frameBotoes);
    grade->setContentsMargins(0, 0, 0, 0);
    grade->setHorizontalSpacing(6);
    grade->setVerticalSpacing(4);
    for (int r = 0; r < RFsParse::TotalRadios; ++r) {
        m_lbFundo[r] = new QLabel(RFsParse::Nome(r), m_frameBotoes);
        m_lbFundo[r]->setObjectName(RFsParse::FundoLinha(r));
        m_lbFundo[r]->setFont(negrito);
        m_lbFundo[r]->setMinimumSize(Twips(1800), Twips(420));
        pintaLinha(r, RFsParse::CorLimpa);
        m_btOn[r] = new QPushButton(QStringLiteral("ON"), m_frameBotoes);
        m_btOn[r]->setObjectName(QStringLiteral("btOn%1").arg(r));
        m_btOn[r]->setToolTip(QStringLiteral("Power ON"));
        m_btOff[r] = new QPushButton(QStringLiteral("OFF"), m_frameBotoes);
        m_btOff[r]->setObjectName(QStringLiteral("btOff%1").arg(r));
        m_btOff[r]->setToolTip(QStringLiteral("Power OFF"));
        m_btPropriedades[r] = new QPushButton(m_frameBotoes);
        m_btPropriedades[r]->setObjectName(QStringLiteral("btPropriedades%1").arg(r));
        for (QPushButton* b : {m_btOn[r], m_btOff[r], m_btPropriedades[r]})
            b->setMinimumHeight(Twips(420));
        m_btOn[r]->setMinimumWidth(Twips(900));
        m_btOff[r]->setMinimumWidth(Twips(900));
        m_btPropriedades[r]->setMinimumWidth(Twips(1700));
        connect(m_btOn[r], &QPushButton::clicked, this, [this, r] { clicaOn(r); });
        connect(m_btOff[r], &QPushButton::clicked, this, [this, r] { clicaOff(r); });
        connect(m_btPropriedades[r], &QPushButton::clicked, this, [this, r] { clicaPropriedades(r); });
        grade->addWidget(m_lbFundo[r], r, 0);
        grade->addWidget(m_btOn[r], r, 1);
        grade->addWidget(m_btOff[r], r, 2);
        grade->addWidget(m_btPropriedades[r], r, 3);
    }
    topo->addWidget(m_frameBotoes);

    // Beside them: the verdict of the last power-on, the busy hint and the two other buttons.
    auto* lado = new QVBoxLayout;
    lado->setSpacing(6);
    auto* veredito = new QHBoxLayout;
    m_ok = new QLabel(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setPixmap(MarcaResultado(true, TamanhoFigura));
    m_no = new QLabel(this);
    m_no->setObjectName(QStringLiteral("NO"));
    m_no->setPixmap(MarcaResultado(false, TamanhoFigura));
    m_ok->hide();
    m_no->hide();
    m_lbStatius = new QLabel(this);
    m_lbStatius->setObjectName(QStringLiteral("lbStatius"));
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.2);
    m_lbStatius->setFont(grande);
    veredito->addWidget(m_ok);
    veredito->addWidget(m_no);
    veredito->addWidget(m_lbStatius, 1);
    lado->addLayout(veredito);
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->hide();
    lado->addWidget(m_lbStatus2);
    m_lbAguarde = new QLabel(this);
    m_lbAguarde->setObjectName(QStringLiteral("lbAguarde"));
    m_lbAguarde->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbAguarde->setFont(negrito);
    m_lbAguarde->setWordWrap(true);
    m_lbAguarde->hide();
    lado->addWidget(m_lbAguarde);
    lado->addStretch(1);
    auto* botoes = new QHBoxLayout;
    m_btComparador = new QPushButton(this);
    m_btComparador->setObjectName(QStringLiteral("btComparador"));
    m_btTensoesRF = new QPushButton(this);
    m_btTensoesRF->setObjectName(QStringLiteral("btTensoesRF"));
    for (QPushButton* b : {m_btComparador, m_btTensoesRF}) {
        b->setMinimumHeight(Twips(420));
        botoes->addWidget(b);
    }
    botoes->addStretch(1);
    lado->addLayout(botoes);
    topo->addLayout(lado, 1);
    v->addLayout(topo);
    connect(m_btComparador, &QPushButton::clicked, this, &RFs::alternaComparador);
    connect(m_btTensoesRF, &QPushButton::clicked, this, [this] { contexto().abreTela(NomeTela::RFs_Esq); });

    // The answer of the last command.
    const QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_lbDados = new QLabel(this);
    v->addWidget(m_lbDados);
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setFont(fixa);
    m_txtDados->setReadOnly(true);
    m_txtDados->setLineWrapMode(QPlainTextEdit::NoWrap);
    v->addWidget(m_txtDados, 1);

    // The known-good board's answer, shown on demand beside everything else.
    m_frameComparador = new QGroupBox(this);
    m_frameComparador->setObjectName(QStringLiteral("FrameComparador"));
    m_frameComparador->setFixedWidth(Twips(LarguraComparador - LarguraTela) - fora->spacing());
    auto* vc = new QVBoxLayout(m_frameComparador);
    m_txtComparador = new QPlainTextEdit(m_frameComparador);
    m_txtComparador->setObjectName(QStringLiteral("txtComparador"));
    m_txtComparador->setFont(fixa);
    m_txtComparador->setReadOnly(true);
    m_txtComparador->setLineWrapMode(QPlainTextEdit::NoWrap);
    vc->addWidget(m_txtComparador);
    m_frameComparador->hide();
    fora->addWidget(m_frameComparador);

    m_frameVCore = new PainelProgresso(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
}

void RFs::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes de Comunicação RF")) + QStringLiteral(" - Voltrace Tarsel"));
    for (int r = 0; r < RFsParse::TotalRadios; ++r)
        m_btPropriedades[r]->setText(Traduz(QStringLiteral("Propriedades")));
    m_btComparador->setText(Traduz(QStringLiteral("Comparador")));
    m_btTensoesRF->setText(Traduz(QStringLiteral("TensoesRF")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")));
    m_lbDados->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_frameComparador->setTitle(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Executando Comando")) + QStringLiteral("..."));
}

void RFs::posiciona(QWidget* janela, const QSize& area) {
    dimensiona(janela, area, LarguraTela);
}

void RFs::dimensiona(QWidget* janela, const QSize& area, int larguraTwips) {
    posicionaNoMeio(janela, area, larguraTwips, AlturaTela);
}

void RFs::alternaComparador() {
    const bool mostra = m_frameComparador->isHidden();
    m_frameComparador->setVisible(mostra);
    QWidget* janela = parentWidget() ? parentWidget() : this;
    const QWidget* area = janela->parentWidget();
    dimensiona(janela, area ? area->size() : QSize(), mostra ? LarguraComparador : LarguraTela);
}

bool RFs::podeEnviar(Acao acao) {
    if (ocioso())
        return true;
    m_lbAguarde->setText(RFsParse::AvisoSemEnvio(enlace().estado() != EstadoEnlace::Desconectado, acao));
    m_lbAguarde->show();
    m_timerAguarde.start();
    return false;
}

void RFs::limpaVeredito() {
    m_ok->hide();
    m_no->hide();
    m_lbStatius->clear();
    m_lbStatus2->hide();
}

void RFs::clicaOn(int radio) {
    contexto().ocultaSubMenu();
    if (!podeEnviar(Acao::Ligar))
        return;
    limpaVeredito();
    m_radio = radio;
    PrePesquisa();
}

void RFs::PrePesquisa() {
    m_txtDados->clear();
    if (RFsParse::RecusaGps(m_radio, familia())) {
        Mensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    enviaComando(m_radio, Acao::Ligar);
}

void RFs::clicaOff(int radio) {
    contexto().ocultaSubMenu();
    if (!podeEnviar(Acao::Desligar))
        return;
    if (RFsParse::RecusaGps(radio, familia())) {
        Mensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    limpaVeredito();
    m_txtDados->clear();
    pintaLinha(radio, RFsParse::CorLimpa);
    enviaComando(radio, Acao::Desligar);
}

void RFs::clicaPropriedades(int radio) {
    contexto().ocultaSubMenu();
    if (!podeEnviar(Acao::Propriedades))
        return;
    if (RFsParse::RecusaGps(radio, familia())) {
        Mensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    limpaVeredito();
    m_txtDados->clear();
    enviaComando(radio, Acao::Propriedades);
}

void RFs::enviaComando(int radio, Acao acao) {
    // Only a power-on answer is judged: a power-on still waiting for its look must not judge the answer
    // of the command that follows it.
    m_timer1.stop();
    m_radio = radio;
    m_acao = acao;
    if (envia(RFsParse::Comando(radio, acao)) && acao == Acao::Ligar) {
        m_tiques = 1;
        m_timer1.start();
    }
}

void RFs::aoIniciarEspera() {
    // The power-on buttons wait for the verdict; the others only show an answer.
    if (m_acao == Acao::Ligar)
        m_frameBotoes->setEnabled(false);
}

void RFs::aoTerminarEspera() {
    m_frameBotoes->setEnabled(true);
}

void RFs::aoPerderResposta() {
    // No answer will come to judge (the line hung up or the link was closed).
    m_timer1.stop();
    TelaComando::aoPerderResposta();
}

void RFs::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.R);
    terminaEspera();
    m_comando = r.comando;
    defineComparador(familia(), r.comando);
}

void RFs::tique() {
    switch (RFsParse::PassoEspera(m_tiques, ocioso(), !m_txtDados->toPlainText().isEmpty())) {
    case RFsParse::Passo::Espera:
        return;
    case RFsParse::Passo::Desiste:
        m_timer1.stop();
        return;
    case RFsParse::Passo::Julga:
        break;
    }
    m_timer1.stop();
    const RFsParse::Julgamento j = RFsParse::Julga(m_radio, m_txtDados->toPlainText());
    m_lbStatius->setText(j.status);
    if (!j.respondeu)
        m_txtDados->setPlainText(j.dados);
    pintaLinha(m_radio, j.cor);
    m_ok->setVisible(j.respondeu);
    m_no->setVisible(!j.respondeu);
    m_lbStatus2->show();
}

void RFs::pintaLinha(int radio, const QString& corBGR) {
    m_cores[radio] = corBGR;
    m_lbFundo[radio]->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: black; border: 1px solid "
                                                   "#a0a4a8; padding-left: 8px; }")
                                        .arg(CorBGR(corBGR).name()));
}

void RFs::aoMudarModelo(const QString& familia) {
    // The saved answer beside the last one follows the family.
    if (!m_comando.isEmpty() && !aguardando())
        defineComparador(familia, m_comando);
}

void RFs::defineComparador(const QString& familia, const QString& comando) {
    m_txtComparador->setPlainText(respostaGravada(familia, comando));
}

} // namespace tarsel
