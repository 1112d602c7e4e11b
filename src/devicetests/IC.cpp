#include "devicetests/IC.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/ICParse.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "tela/CaixasResposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 15615; // twips
constexpr int AlturaTela = 8100;   // twips
constexpr int TamanhoFigura = 32;

} // namespace

IC::IC(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::IC, Codigo) {
    montaTela();
    aplicaTextos();
    defineComparador({}, {});

    m_timerStatus.setInterval(ICParse::IntervaloStatusMs);
    connect(&m_timerStatus, &QTimer::timeout, this, &IC::status);
    m_timerAguarde.setInterval(ICParse::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QLabel::hide);
}

QPushButton* IC::btBl(int indice) const {
    if (indice == ICParse::TesteDados)
        return m_btBl[0];
    if (indice == ICParse::TesteComunicacao)
        return m_btBl[1];
    return nullptr;
}

void IC::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);
    QFont negrito = font();
    negrito.setBold(true);

    // Top: the two tests, the hint, the ways to the chip screens.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(6);
    for (int i = 0; i < 2; ++i) {
        const int indice = i + ICParse::TesteDados;
        m_btBl[i] = new QPushButton(this);
        m_btBl[i]->setObjectName(QStringLiteral("btBl%1").arg(indice));
        m_btBl[i]->setMinimumSize(Twips(3000), Twips(480));
        m_btBl[i]->setFont(negrito);
        connect(m_btBl[i], &QPushButton::clicked, this, [this, indice] { clicaTeste(indice); });
        topo->addWidget(m_btBl[i]);
    }
    m_lbAguarde = new QLabel(this);
    m_lbAguarde->setObjectName(QStringLiteral("lbAguarde"));
    m_lbAguarde->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbAguarde->setFont(negrito);
    m_lbAguarde->hide();
    topo->addWidget(m_lbAguarde);
    topo->addStretch(1);
    m_btTigris = new QPushButton(this);
    m_btTigris->setObjectName(QStringLiteral("btTigris"));
    m_btTristar = new QPushButton(this);
    m_btTristar->setObjectName(QStringLiteral("btTristar"));
    for (QPushButton* b : {m_btTigris, m_btTristar}) {
        b->setMinimumSize(Twips(2200), Twips(480));
        topo->addWidget(b);
    }
    connect(m_btTigris, &QPushButton::clicked, this, [this] { abreChip(NomeTela::Tigris); });
    connect(m_btTristar, &QPushButton::clicked, this, [this] { abreChip(NomeTela::Tristar); });
    v->addLayout(topo);

    // The verdict row, as high as its mark even while empty: the boxes below do not jump.
    auto* linhaVeredito = new QWidget(this);
    linhaVeredito->setMinimumHeight(TamanhoFigura + 4);
    auto* veredito = new QHBoxLayout(linhaVeredito);
    veredito->setContentsMargins(0, 0, 0, 0);
    m_ok = new QLabel(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setPixmap(MarcaResultado(true, TamanhoFigura));
    m_no = new QLabel(this);
    m_no->setObjectName(QStringLiteral("NO"));
    m_no->setPixmap(MarcaResultado(false, TamanhoFigura));
    m_ok->hide();
    m_no->hide();
    m_lbIC = new QLabel(this);
    m_lbIC->setObjectName(QStringLiteral("lbIC"));
    m_lbIC->setFont(negrito);
    m_lbStatus = new QLabel(this);
    m_lbStatus->setObjectName(QStringLiteral("lbStatus"));
    m_lbStatus->setFont(negrito);
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setWordWrap(true);
    m_lbStatus2->hide();
    veredito->addWidget(m_ok);
    veredito->addWidget(m_no);
    veredito->addWidget(m_lbIC);
    veredito->addWidget(m_lbStatus);
    veredito->addSpacing(Twips(200));
    veredito->addWidget(m_lbStatus2, 1);
    v->addWidget(linhaVeredito);

    // The answer and the known-good board's.
    const CaixasResposta caixas = MontaCaixasResposta(this, v);
    m_lbDados = caixas.lbDados;
    m_lbComparador = caixas.lbComparador;
    m_lbDispositivo = caixas.lbDispositivo;
    m_txtDados = caixas.txtDados;
    m_txtComparador = caixas.txtComparador;
    m_lbVar = caixas.lbVar;
}

void IC::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes IC's")) + QStringLiteral(" - Voltrace Tarsel"));
    m_lbDados->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")));
    m_lbVar->setText(Traduz(QStringLiteral("VAR")));
    aplicaChip(familia());
    escreveDispositivo();
}

void IC::aplicaChip(const QString& familia) {
    m_btBl[0]->setText(ICParse::LegendaDados(familia));
    m_btBl[1]->setText(ICParse::LegendaComunicacao(familia));
    m_btTigris->setText(ICParse::LegendaTigris());
    m_btTristar->setText(ICParse::LegendaTristar(familia));
}

void IC::escreveDispositivo() {
    m_lbDispositivo->setText(Traduz(QStringLiteral("Modelo")) + QStringLiteral(": ") + familia() +
                             QStringLiteral("  ") + contexto().numeroModelo());
}

void IC::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void IC::clicaTeste(int indice) {
    if (!ocioso()) {
        m_lbAguarde->setText(ICParse::AvisoSemEnvio(enlace().estado() != EstadoEnlace::Desconectado));
        m_lbAguarde->show();
        m_timerAguarde.start();
        return;
    }
    m_lbStatus->clear();
    m_lbIC->clear();
    m_lbStatus2->hide();
    m_ok->hide();
    m_no->hide();
    m_indice = indice;
    PrePesquisa();
}

void IC::PrePesquisa() {
    const QString comando = ICParse::Comando(m_indice);
    if (comando.isEmpty() || !ocioso())
        return;
    m_comando = comando;
    m_chip = ICParse::NomeChip(familia());
    m_txtDados->clear();
    // Every test gets its own full time-out.
    m_tiques = 0;
    m_timerStatus.stop();
    if (envia(comando))
        m_timerStatus.start();
}

void IC::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.R);
    defineComparador(familia(), r.comando);
}

void IC::status() {
    // Only a finished answer is looked at.
    if (!ocioso())
        return;
    if (const auto veredito = ICParse::Veredito(m_txtDados->toPlainText(), ++m_tiques))
        mostraVeredito(*veredito);
}

void IC::mostraVeredito(bool comunicou) {
    m_timerStatus.stop();
    terminaEspera();
    m_lbStatus->setText(Traduz(comunicou ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
    m_ok->setVisible(comunicou);
    m_no->setVisible(!comunicou);
    m_lbStatus2->show();
    m_lbIC->setText(m_chip);
}

void IC::aoPerderResposta() {
    // The link has already said why (hang-up, lost port); nothing came to judge.
    m_timerStatus.stop();
    TelaComando::aoPerderResposta();
}

void IC::abreChip(const QString& nome) {
    if (QWidget* tela = contexto().abreTela(nome))
        tela->setFocus();
}

void IC::aoMudarModelo(const QString& familia) {
    aplicaChip(familia);
    escreveDispositivo();
    if (!m_comando.isEmpty() && !aguardando())
        defineComparador(familia, m_comando);
}

void IC::aoBuscarDadosGravados(const QString& familia) {
    if (!m_comando.isEmpty())
        defineComparador(familia, m_comando);
    escreveDispositivo();
}

void IC::defineComparador(const QString& familia, const QString& comando) {
    m_txtComparador->setPlainText(respostaGravada(familia, comando));
}

} // namespace tarsel
