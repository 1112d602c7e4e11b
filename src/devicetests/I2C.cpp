#include "devicetests/I2C.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "online/Servidor.h"
#include "tela/AbreLink.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"
#include "tela/PainelProgresso.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 17220; // twips
constexpr int AlturaTela = 8820;   // twips
constexpr int ColunaIcones = 34;   // pixels left of the result lines for the tick or the cross
constexpr int SemFalhaRecuo = 7;   // blanks before the no-failure text

QString SemCr(const QString& texto) {
    QString t = texto;
    t.remove(QLatin1Char('\r'));
    return t;
}

} // namespace

I2C::I2C(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::I2C, Codigo) {
    montaTela();
    OcultaBotoes();
    aplicaTextos();

    m_timer1.setObjectName(QStringLiteral("Timer1"));
    m_timer1.setInterval(ModuloI2C::IntervaloEsperaMs);
    m_timerAuto.setObjectName(QStringLiteral("TimerAuto"));
    m_timerAuto.setInterval(ModuloI2C::IntervaloAutoMs);
    m_timerAguarde.setObjectName(QStringLiteral("TimerAguarde"));
    m_timerAguarde.setInterval(ModuloI2C::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timer1, &QTimer::timeout, this, &I2C::esperaResposta);
    connect(&m_timerAuto, &QTimer::timeout, this, &I2C::passoAuto);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QWidget::hide);

    for (int n = 0; n < ModuloI2C::Barramentos; ++n)
        connect(m_bt[n], &QPushButton::clicked, this, [this, n] { testaBarramento(n); });
    connect(m_btAutoTeste, &QPushButton::clicked, this, &I2C::autoTeste);
    connect(m_btPdf, &QPushButton::clicked, this, &I2C::abreDiagrama);
}

void I2C::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(10, 8, 10, 8);
    h->setSpacing(10);

    // The bus buttons, the automatic scan, the family and the diagram.
    auto* esquerda = new QVBoxLayout;
    esquerda->setSpacing(4);
    QFont negrito = font();
    negrito.setBold(true);
    for (int n = 0; n < ModuloI2C::Barramentos; ++n) {
        m_bt[n] = new QPushButton(this);
        m_bt[n]->setObjectName(QStringLiteral("btI2C%1").arg(n));
        m_bt[n]->setMinimumHeight(Twips(420));
        esquerda->addWidget(m_bt[n]);
    }
    esquerda->addSpacing(8);
    m_btAutoTeste = new QPushButton(this);
    m_btAutoTeste->setObjectName(QStringLiteral("btAutoTeste"));
    m_btAutoTeste->setMinimumHeight(Twips(540));
    m_btAutoTeste->setFont(negrito);
    esquerda->addWidget(m_btAutoTeste);
    m_lbDispositivo = new QLabel(this);
    m_lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    m_lbDispositivo->setAlignment(Qt::AlignCenter);
    m_lbDispositivo->setFont(negrito);
    esquerda->addWidget(m_lbDispositivo);
    esquerda->addStretch(1);
    m_lbAguarde = new QLabel(this);
    m_lbAguarde->setObjectName(QStringLiteral("lbAguarde"));
    m_lbAguarde->setAlignment(Qt::AlignCenter);
    m_lbAguarde->setWordWrap(true);
    m_lbAguarde->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    m_lbAguarde->hide();
    esquerda->addWidget(m_lbAguarde);
    m_btPdf = new QPushButton(this);
    m_btPdf->setObjectName(QStringLiteral("btPdf"));
    m_btPdf->setMinimumHeight(Twips(480));
    esquerda->addWidget(m_btPdf);
    auto* colunaEsquerda = new QWidget(this);
    colunaEsquerda->setLayout(esquerda);
    esquerda->setContentsMargins(0, 0, 0, 0);
    colunaEsquerda->setFixedWidth(Twips(2700));
    h->addWidget(colunaEsquerda);

    // The results: one bus (lines with their marks) or the automatic list, in the same place.
    auto* meio = new QVBoxLayout;
    m_frameI = new QWidget(this);
    m_frameI->setObjectName(QStringLiteral("FrameI"));
    auto* vi = new QVBoxLayout(m_frameI);
    vi->setContentsMargins(0, 0, 0, 0);
    m_frameI2C = new QGroupBox(m_frameI);
    m_frameI2C->setObjectName(QStringLiteral("FrameI2C"));
    m_frameI2C->setFont(negrito);
    auto* vr = new QVBoxLayout(m_frameI2C);
    m_areaResultado = new QWidget(m_frameI2C);
    m_lbResultado = new QLabel(m_areaResultado);
    m_lbResultado->setObjectName(QStringLiteral("lbResultado"));
    m_lbResultado->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbResultado->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont normal = font();
    m_lbResultado->setFont(normal);
    for (int k = 0; k < ModuloI2C::VagasIcone; ++k) {
        m_ok[k] = new QLabel(m_areaResultado);
        m_ok[k]->setObjectName(QStringLiteral("OK%1").arg(k));
        m_no[k] = new QLabel(m_areaResultado);
        m_no[k]->setObjectName(QStringLiteral("NO%1").arg(k));
    }
    m_areaResultado->installEventFilter(this);
    vr->addWidget(m_areaResultado, 1);
    vi->addWidget(m_frameI2C);
    meio->addWidget(m_frameI, 1);

    m_frameAuto = new QGroupBox(this);
    m_frameAuto->setObjectName(QStringLiteral("FrameAutoI2C"));
    m_frameAuto->setFont(negrito);
    auto* va = new QVBoxLayout(m_frameAuto);
    m_lista = new QListWidget(m_frameAuto);
    m_lista->setObjectName(QStringLiteral("ListView"));
    m_lista->setFont(normal);
    m_lista->setIconSize(QSize(16, 16));
    m_lista->setSelectionMode(QAbstractItemView::NoSelection);
    va->addWidget(m_lista);
    m_frameAuto->hide();
    meio->addWidget(m_frameAuto, 1);
    // The busy bar sits under the results, never over them: the automatic list grows while it runs.
    m_painel = new PainelProgresso(this);
    m_painel->setObjectName(QStringLiteral("ProgressBar"));
    meio->addWidget(m_painel, 0, Qt::AlignHCenter);
    h->addLayout(meio, 5);

    // The failures with the server's notes, and what the phone answered.
    auto* direita = new QVBoxLayout;
    m_lbFalhas = new QLabel(this);
    m_lbFalhas->setFont(negrito);
    direita->addWidget(m_lbFalhas);
    m_txtFalhas = new QPlainTextEdit(this);
    m_txtFalhas->setObjectName(QStringLiteral("txtDadosI2C"));
    m_txtFalhas->setReadOnly(true);
    direita->addWidget(m_txtFalhas, 3);
    m_frameOk = new QFrame(this);
    m_frameOk->setObjectName(QStringLiteral("FrameResultadoOK"));
    m_frameOk->setFrameShape(QFrame::StyledPanel);
    auto* hok = new QHBoxLayout(m_frameOk);
    auto* marcaOk = new QLabel(m_frameOk);
    marcaOk->setPixmap(MarcaResultado(true, 40));
    hok->addWidget(marcaOk);
    m_lbOk = new QLabel(m_frameOk);
    m_lbOk->setFont(negrito);
    m_lbOk->setWordWrap(true);
    hok->addWidget(m_lbOk, 1);
    m_frameOk->hide();
    direita->addWidget(m_frameOk);
    m_lbLeitura = new QLabel(this);
    m_lbLeitura->setFont(negrito);
    direita->addWidget(m_lbLeitura);
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setReadOnly(true);
    m_txtDados->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    direita->addWidget(m_txtDados, 2);
    h->addLayout(direita, 4);

    limpaIcones();
}

void I2C::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes de Leitura I2C")) + QStringLiteral(" - Voltrace Tarsel"));
    m_frameI2C->setTitle(Traduz(QStringLiteral("Resultado do teste:")) + familia() + QStringLiteral(" "));
    m_frameAuto->setTitle(Traduz(QStringLiteral("Resultado do Auto Teste:")));
    m_lbLeitura->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbFalhas->setText(Traduz(QStringLiteral("Resultado")) + QStringLiteral(":"));
    m_lbOk->setText(Traduz(QStringLiteral("Nenhuma falha detectada em I2C")));
    m_btPdf->setText(Traduz(QStringLiteral("Visualizar Diagrama PDF")));
    m_btAutoTeste->setText(m_auto ? Traduz(QStringLiteral("Cancelar")) : Traduz(QStringLiteral("Auto Teste")));
    m_painel->lbGrade()->setText(Traduz(QStringLiteral("Executando Comando")));
}

void I2C::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void I2C::resizeEvent(QResizeEvent* e) {
    TelaComando::resizeEvent(e);
    posicionaIcones();
}

bool I2C::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == m_areaResultado && evento->type() == QEvent::Resize)
        posicionaIcones();
    return TelaComando::eventFilter(objeto, evento);
}

void I2C::OcultaBotoes() {
    const QString f = familia();
    m_botoes = ModuloI2C::OcultaBotoes(f, [](int n) { return LePaginaServidor(n); });
    for (int n = 0; n < ModuloI2C::Barramentos; ++n) {
        m_bt[n]->setText(m_botoes[n].legenda);
        m_bt[n]->setToolTip({});
        m_bt[n]->setVisible(m_botoes[n].visivel);
    }
    habilitaBotoes();
    m_lbDispositivo->setText(f);
}

void I2C::habilitaBotoes() {
    // A disabled button is a bus the board does not offer; while a scan is on the line none is pressed.
    const bool livre = !aguardando() && !m_auto;
    for (int n = 0; n < ModuloI2C::Barramentos; ++n)
        m_bt[n]->setEnabled(m_botoes[n].habilitado && livre);
}

void I2C::aoMudarModelo(const QString& familia) {
    m_frameI2C->setTitle(Traduz(QStringLiteral("Resultado do teste:")) + familia + QStringLiteral(" "));
    OcultaBotoes();
}

void I2C::aoBuscarDadosGravados(const QString& familia) {
    aoMudarModelo(familia);
}

void I2C::mostraAviso() {
    const bool desconectado = enlace().estado() == EstadoEnlace::Desconectado;
    m_lbAguarde->setText(desconectado ? Traduz(QStringLiteral("Desconectado")) + QStringLiteral("!")
                                      : Traduz(QStringLiteral("Aguarde...")));
    m_lbAguarde->show();
    m_timerAguarde.start();
}

void I2C::testaBarramento(int n) {
    if (n < 0 || n >= ModuloI2C::Barramentos || !m_botoes[n].habilitado || m_auto)
        return;
    m_falhas.clear();
    m_txtFalhas->clear();
    m_frameOk->hide();
    if (!ocioso()) {
        mostraAviso();
        return;
    }
    m_barramento = n;
    m_frameAuto->hide();
    m_frameI->show();
    iniciaTeste(n);
}

void I2C::iniciaTeste(int n) {
    m_barramento = n;
    m_testeAuto = m_auto;
    m_txtDados->clear();
    m_lbResultado->clear();
    limpaIcones();
    // The wait counts from each test: a scan of many buses must not run out of time on the later ones.
    m_espera = 0;
    m_timer1.start();
    m_painel->inicia();
    if (!envia(ModuloI2C::Comando(n))) {
        m_timer1.stop();
        if (!m_auto)
            paraBarra();
    }
}

void I2C::esperaResposta() {
    if (++m_espera < ModuloI2C::LimiteEspera)
        return;
    // No answer in time: this test ends unjudged; an answer that still comes is not taken for it.
    m_timer1.stop();
    semResposta();
}

void I2C::recebe(const Resposta& r) {
    m_txtDados->setPlainText(SemCr(r.R));
    if (!m_timer1.isActive()) {
        terminaEspera();
        return;
    }
    m_timer1.stop();
    terminaEspera();
    const bool ok = protege([&] { analisa(r.R); });
    if (!ok) {
        // The reference data could not be read: the scan cannot go on.
        if (m_auto)
            finalizaAuto(false);
        paraBarra();
    }
}

void I2C::aoPerderResposta() {
    // The line is gone (the link has said so): this test and the scan end here.
    m_timer1.stop();
    TelaComando::aoPerderResposta();
    if (m_auto)
        finalizaAuto(false);
    paraBarra();
}

void I2C::semResposta() {
    const QString nota = Traduz(QStringLiteral("I2CSemResposta"));
    m_lbResultado->setText(QStringLiteral("\n\n  ") + nota);
    if (m_testeAuto) {
        if (ModuloI2C::LinhaEmBrancoAntesDoTitulo(familia()))
            m_lista->addItem(QStringLiteral(" "));
        m_lista->addItem(ModuloI2C::TituloBarramento(familia(), m_barramento));
        m_lista->addItem(QStringLiteral("  ") + nota);
    } else {
        paraBarra();
    }
}

void I2C::analisa(const QString& resposta) {
    const QString f = familia();
    const int n = m_barramento;
    if (ModuloI2C::SemResposta(resposta)) {
        // Nothing came back, not even the echo: the devices cannot be judged, and calling them all
        // silent would send the technician after parts that may be fine.
        semResposta();
        return;
    }
    const QList<ModuloI2C::DispositivoI2C> dispositivos = ModuloI2C::Analisa(ModuloI2C::Dispositivos(f, n), resposta);

    if (ModuloI2C::LinhaEmBrancoAntesDoTitulo(f))
        m_lista->addItem(QStringLiteral(" "));
    m_lista->addItem(ModuloI2C::TituloBarramento(f, n));

    const QString cabecalho = QStringLiteral("I2C ") + QString::number(n);
    QString texto;
    for (int k = 0; k < dispositivos.size(); ++k) {
        const ModuloI2C::DispositivoI2C& d = dispositivos.at(k);
        const QString linha = ModuloI2C::LinhaResultado(d);
        texto += QStringLiteral("\n\n") + linha;
        // Five marks: a sixth device of the bus is listed all the same, without one.
        if (k < ModuloI2C::VagasIcone)
            (d.responde ? m_ok[k] : m_no[k])->show();
        if (m_testeAuto)
            m_lista->addItem(new QListWidgetItem(QIcon(MarcaResultado(d.responde, 16)), linha));
        if (!d.responde && !m_falhas.contains(cabecalho)) {
            if (m_falhas.isEmpty())
                m_falhas = Traduz(QStringLiteral("Falhas i2c")) + QStringLiteral("\r\n\r\n");
            else
                m_falhas += QStringLiteral("\r\n\r\n");
            m_falhas += cabecalho + QStringLiteral(":\r\n") + ModuloI2C::NotasFalha(f, n, globais().IdiomaAtual);
            m_txtFalhas->setPlainText(SemCr(m_falhas));
        }
    }
    m_lbResultado->setText(texto);
    m_lbResultado->adjustSize();
    posicionaIcones();

    if (!m_testeAuto && m_falhas.isEmpty())
        escreveSemFalha();
    // The automatic scan keeps its bar going from one bus to the next.
    if (!m_auto)
        paraBarra();
}

void I2C::escreveSemFalha() {
    m_falhas = QStringLiteral("\r\n") + QString(SemFalhaRecuo, QLatin1Char(' ')) +
               Traduz(QStringLiteral("Nenhuma falha detectada em I2C"));
    m_txtFalhas->setPlainText(SemCr(m_falhas));
    m_frameOk->show();
}

void I2C::autoTeste() {
    m_falhas.clear();
    m_txtFalhas->clear();
    m_frameOk->hide();
    if (m_auto) {
        // Cancelled: a bus already on the line is still judged when its answer comes.
        m_auto = false;
        m_timerAuto.stop();
        paraBarra();
        m_btAutoTeste->setText(QStringLiteral("Auto ") + Traduz(QStringLiteral("Teste")));
        habilitaBotoes();
        return;
    }
    if (!ocioso()) {
        mostraAviso();
        return;
    }
    m_lista->clear();
    m_passo = 0;
    m_auto = true;
    m_frameI->hide();
    m_frameAuto->show();
    m_timerAuto.start();
    m_btAutoTeste->setText(Traduz(QStringLiteral("Cancelar")));
    habilitaBotoes();
    m_painel->inicia();
}

void I2C::passoAuto() {
    // One bus at a time: the next waits until the last one's answer has been judged and the line is free.
    if (m_timer1.isActive() || emCurso())
        return;
    if (enlace().estado() == EstadoEnlace::Desconectado) {
        finalizaAuto(false);
        return;
    }
    if (!ocioso())
        return;
    const ModuloI2C::PassoAuto p = ModuloI2C::ProximoPassoAuto(m_botoes, m_passo);
    switch (p.acao) {
    case ModuloI2C::PassoAuto::Acao::Testa:
        iniciaTeste(p.barramento);
        break;
    case ModuloI2C::PassoAuto::Acao::Pula:
        break;
    case ModuloI2C::PassoAuto::Acao::Termina:
        finalizaAuto(p.mensagemSemFalha);
        break;
    }
}

void I2C::finalizaAuto(bool mensagemSemFalha) {
    m_auto = false;
    m_timerAuto.stop();
    paraBarra();
    if (mensagemSemFalha && m_falhas.isEmpty())
        escreveSemFalha();
    m_btAutoTeste->setText(Traduz(QStringLiteral("Auto Teste")));
    m_lista->addItem(QString());
    m_lista->addItem(QStringLiteral("  ") + Traduz(QStringLiteral("Teste Finalizados")));
    m_lista->scrollToBottom();
    habilitaBotoes();
}

void I2C::abreDiagrama() {
    const QString documento = ModuloI2C::DocumentoDiagrama(familia());
    if (documento.isEmpty())
        return;
    const QString caminho = QDir(globais().PastaPrograma).filePath(documento);
    if (!QFileInfo::exists(caminho)) {
        dialogos().mensagem(Dialogos::Icone::Exclamacao, TituloPadrao,
                            Traduz(QStringLiteral("DocumentoNaoEncontrado")) + QStringLiteral("\r\n") +
                                QDir::toNativeSeparators(caminho));
        return;
    }
    AbreLink(caminho);
}

void I2C::limpaIcones() {
    for (int k = 0; k < ModuloI2C::VagasIcone; ++k) {
        m_ok[k]->hide();
        m_no[k]->hide();
    }
}

void I2C::posicionaIcones() {
    // Each result line follows two line breaks: line k is text line 2 + 2k of the label.
    const QFontMetrics fm(m_lbResultado->font());
    const int altura = fm.lineSpacing();
    const int tamanho = qMin(altura + 6, 2 * altura - 2);
    m_lbResultado->move(ColunaIcones, 0);
    m_lbResultado->resize(qMax(m_lbResultado->sizeHint().width(), m_areaResultado->width() - ColunaIcones),
                          qMax(m_lbResultado->sizeHint().height(), m_areaResultado->height()));
    for (int k = 0; k < ModuloI2C::VagasIcone; ++k) {
        const int y =
            m_lbResultado->y() + m_lbResultado->contentsMargins().top() + altura * (2 + 2 * k) + (altura - tamanho) / 2;
        for (QLabel* marca : {m_ok[k], m_no[k]}) {
            if (marca->pixmap().isNull() || marca->pixmap().height() != tamanho)
                marca->setPixmap(MarcaResultado(marca == m_ok[k], tamanho));
            marca->setGeometry(4, y, tamanho, tamanho);
        }
    }
}

void I2C::paraBarra() {
    m_painel->para();
}

} // namespace tarsel
