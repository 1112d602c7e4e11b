#include "devicetests/Adicionais.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/AdicionaisParse.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "online/Servidor.h"
#include "tela/AbreLink.h"
#include "tela/CaixasResposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"
#include "tela/PainelProgresso.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 15495; // twips
constexpr int AlturaTela = 8085;   // twips
constexpr int TamanhoFigura = 32;
const QString TesteRamIC = QStringLiteral("RAM");

} // namespace

Adicionais::Adicionais(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Outros, Codigo) {
    montaTela();
    aplicaTextos();
    defineComparador({}, {});
    definePainelEspera(m_frameVCore, [this] { return m_txtDados->geometry(); });

    m_timerStatus.setInterval(AdicionaisParse::IntervaloStatusMs);
    connect(&m_timerStatus, &QTimer::timeout, this, &Adicionais::status);
    m_timerAguarde.setInterval(AdicionaisParse::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QLabel::hide);
    // The codec check is offered only where the server switches it on; asked once the window is up.
    QTimer::singleShot(100, this, &Adicionais::verificaCodec);
}

QPushButton* Adicionais::btBl(int indice) const {
    if (indice == AdicionaisParse::TesteRam)
        return m_btBl[0];
    if (indice == AdicionaisParse::TesteRam1MB)
        return m_btBl[1];
    return nullptr;
}

void Adicionais::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);
    QFont negrito = font();
    negrito.setBold(true);

    // Top: the two memory tests, the hint, the shortcuts.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(6);
    for (int i = 0; i < 2; ++i) {
        const int indice = i == 0 ? AdicionaisParse::TesteRam : AdicionaisParse::TesteRam1MB;
        m_btBl[i] = new QPushButton(this);
        m_btBl[i]->setObjectName(QStringLiteral("btBl%1").arg(indice));
        m_btBl[i]->setMinimumSize(Twips(2400), Twips(480));
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
    m_btBateria = new QPushButton(this);
    m_btBateria->setObjectName(QStringLiteral("btBateria"));
    m_btCodec = new QPushButton(this);
    m_btCodec->setObjectName(QStringLiteral("btCodec"));
    m_btPanicFull = new QPushButton(QStringLiteral("PDF Panic Full"), this);
    m_btPanicFull->setObjectName(QStringLiteral("btPanicFull"));
    for (QPushButton* b : {m_btBateria, m_btCodec, m_btPanicFull}) {
        b->setMinimumHeight(Twips(480));
        topo->addWidget(b);
    }
    connect(m_btBateria, &QPushButton::clicked, this, &Adicionais::abreBateria);
    connect(m_btCodec, &QPushButton::clicked, this, [this] { contexto().abreTela(NomeTela::Codec); });
    connect(m_btPanicFull, &QPushButton::clicked, this, &Adicionais::abrePanicFull);
    v->addLayout(topo);

    // The verdict row.
    auto* veredito = new QHBoxLayout;
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
    veredito->addWidget(m_lbStatus2, 1);
    v->addLayout(veredito);

    // The answer and the known-good board's.
    const CaixasResposta caixas = MontaCaixasResposta(this, v);
    m_lbDados = caixas.lbDados;
    m_lbComparador = caixas.lbComparador;
    m_lbDispositivo = caixas.lbDispositivo;
    m_txtDados = caixas.txtDados;
    m_txtComparador = caixas.txtComparador;
    m_lbVar = caixas.lbVar;

    m_frameVCore = new PainelProgresso(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
}

void Adicionais::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes Adicionais")) + QStringLiteral(" - Voltrace Tarsel"));
    m_btBl[0]->setText(AdicionaisParse::Legenda(AdicionaisParse::TesteRam));
    m_btBl[1]->setText(AdicionaisParse::Legenda(AdicionaisParse::TesteRam1MB));
    m_btBateria->setText(Traduz(QStringLiteral("Bateria")).toUpper() + u' ' + Traduz(QStringLiteral("Informações")));
    m_btCodec->setText(Traduz(QStringLiteral("CodecAudio")));
    m_lbDados->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")));
    m_lbVar->setText(Traduz(QStringLiteral("VAR")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Executando Comando")));
    escreveDispositivo();
}

void Adicionais::escreveDispositivo() {
    m_lbDispositivo->setText(Traduz(QStringLiteral("Modelo")) + QStringLiteral(": ") + familia() +
                             QStringLiteral("  ") + contexto().numeroModelo());
}

void Adicionais::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void Adicionais::verificaCodec() {
    if (LePaginaServidor(51) != QLatin1String("S"))
        m_btCodec->hide();
    m_codecVerificado = true;
}

void Adicionais::clicaTeste(int indice) {
    if (!ocioso()) {
        m_lbAguarde->setText(AdicionaisParse::AvisoSemEnvio(enlace().estado() != EstadoEnlace::Desconectado));
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

void Adicionais::PrePesquisa() {
    const QString comando = AdicionaisParse::Comando(m_indice);
    if (comando.isEmpty() || !ocioso())
        return;
    const bool aoVivo = AdicionaisParse::CopiaAoVivo(m_indice);
    m_comando = comando;
    if (aoVivo)
        m_txtDados->setPlainText(AdicionaisParse::TextoEspera());
    else
        m_txtDados->clear();
    // Every test gets its own full time-out.
    m_tiques = 0;
    m_timerStatus.stop();
    if (envia(comando, aoVivo))
        m_timerStatus.start();
}

void Adicionais::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.R);
    defineComparador(familia(), r.comando);
}

void Adicionais::espelha(const Resposta& atual, const QString& acrescimo, bool substituido) {
    copiaAoVivo(m_txtDados, AdicionaisParse::TextoEspera(), atual, acrescimo, substituido);
}

void Adicionais::status() {
    // Only a finished answer is looked at.
    if (!ocioso())
        return;
    const auto veredito = AdicionaisParse::Veredito(m_txtDados->toPlainText());
    if (veredito) {
        m_timerStatus.stop();
        terminaEspera();
        m_lbStatus->setText(Traduz(*veredito ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
        m_ok->setVisible(*veredito);
        m_no->setVisible(!*veredito);
        m_lbStatus2->show();
        m_lbIC->setText(TesteRamIC);
        return;
    }
    if (++m_tiques >= AdicionaisParse::LimiteTiques) {
        m_timerStatus.stop();
        terminaEspera();
    }
}

void Adicionais::abreBateria() {
    QWidget* bateria = contexto().abreTela(NomeTela::Bateria);
    if (!bateria)
        return;
    bateria->setFocus();
    if (auto* janela = qobject_cast<QMdiSubWindow*>(parentWidget()))
        janela->close();
    else
        close();
}

void Adicionais::abrePanicFull() {
    const QString arquivo = QDir(globais().PastaPrograma).filePath(AdicionaisParse::GuiaPanic);
    // A missing document says where it was looked for, rather than nothing happening.
    if (!QFileInfo::exists(arquivo)) {
        dialogos().mensagem(Dialogos::Icone::Exclamacao, TituloPadrao,
                            Traduz(QStringLiteral("DocumentoNaoEncontrado")) + QStringLiteral("\r\n") +
                                QDir::toNativeSeparators(arquivo));
        return;
    }
    AbreLink(arquivo);
}

void Adicionais::aoMudarModelo(const QString& familia) {
    escreveDispositivo();
    if (!m_comando.isEmpty() && !aguardando())
        defineComparador(familia, m_comando);
}

void Adicionais::defineComparador(const QString& familia, const QString& comando) {
    m_txtComparador->setPlainText(respostaGravada(familia, comando));
}

} // namespace tarsel
