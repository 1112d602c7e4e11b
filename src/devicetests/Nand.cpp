#include "devicetests/Nand.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/NandParse.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "online/Servidor.h"
#include "rails/VCores.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"
#include "tela/PainelProgresso.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 12570; // twips
constexpr int AlturaTela = 8100;   // twips
constexpr int TamanhoFigura = 36;
constexpr int PaginaErrosRestauracao = 11;

} // namespace

Nand::Nand(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Nand, Codigo) {
    montaTela();
    aplicaTextos();
    definePainelEspera(m_frameVCore, [this] { return m_txtDados->geometry().translated(m_frameDados->pos()); });

    m_timerTamanho.setInterval(NandParse::IntervaloMs);
    connect(&m_timerTamanho, &QTimer::timeout, this, &Nand::tamanho);
    m_timerStatus.setInterval(NandParse::IntervaloMs);
    connect(&m_timerStatus, &QTimer::timeout, this, &Nand::status);
    m_timerAguarde.setInterval(NandParse::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QLabel::hide);

    // The size is asked once, on opening, when the phone is there to answer.
    if (ocioso()) {
        m_consultaAbertura = true;
        m_tiquesTamanho = 0;
        if (envia(NandParse::ComandoTamanho))
            m_timerTamanho.start();
        else
            m_consultaAbertura = false;
    }
}

QPushButton* Nand::btBl(int tipo) const {
    return tipo >= 0 && tipo < 5 ? m_btBl[tipo] : nullptr;
}

void Nand::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(10, 8, 10, 8);
    h->setSpacing(10);
    QFont negrito = font();
    negrito.setBold(true);

    // Left: the tests, the rails hand-over, the server page and the size.
    auto* esquerda = new QVBoxLayout;
    esquerda->setSpacing(6);
    for (int i = 0; i < 5; ++i) {
        m_btBl[i] = new QPushButton(this);
        m_btBl[i]->setObjectName(QStringLiteral("btBl%1").arg(i));
        m_btBl[i]->setMinimumSize(Twips(3600), Twips(540));
        m_btBl[i]->setFont(negrito);
        connect(m_btBl[i], &QPushButton::clicked, this, [this, i] { clicaTeste(i); });
        esquerda->addWidget(m_btBl[i]);
    }
    esquerda->addSpacing(Twips(180));
    m_btPdf = new QPushButton(this);
    m_btPdf->setObjectName(QStringLiteral("btPdf"));
    m_btPdf->setMinimumHeight(Twips(480));
    connect(m_btPdf, &QPushButton::clicked, this, [] { AbrePaginaServidor(PaginaErrosRestauracao); });
    esquerda->addWidget(m_btPdf);
    esquerda->addStretch(1);
    m_lbNand = new QLabel(this);
    m_lbNand->setObjectName(QStringLiteral("lbNand"));
    m_lbNand->setAlignment(Qt::AlignCenter);
    QFont grande = negrito;
    grande.setPointSizeF(grande.pointSizeF() * 1.8);
    m_lbNand->setFont(grande);
    m_lbNand->setMinimumHeight(Twips(600));
    esquerda->addWidget(m_lbNand);
    m_lbAguarde = new QLabel(this);
    m_lbAguarde->setObjectName(QStringLiteral("lbAguarde"));
    m_lbAguarde->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbAguarde->setFont(negrito);
    m_lbAguarde->setWordWrap(true);
    m_lbAguarde->setAlignment(Qt::AlignCenter);
    // Its room is kept while hidden: the buttons do not jump when it comes and goes.
    QSizePolicy guarda = m_lbAguarde->sizePolicy();
    guarda.setRetainSizeWhenHidden(true);
    m_lbAguarde->setSizePolicy(guarda);
    m_lbAguarde->setMinimumHeight(Twips(480));
    m_lbAguarde->hide();
    esquerda->addWidget(m_lbAguarde);
    h->addLayout(esquerda);

    // Right: the answer and the verdict under it.
    auto* direita = new QVBoxLayout;
    direita->setSpacing(6);
    m_frameDados = new QGroupBox(this);
    m_frameDados->setObjectName(QStringLiteral("FrameDados"));
    auto* d = new QVBoxLayout(m_frameDados);
    m_txtDados = new QPlainTextEdit(m_frameDados);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setReadOnly(true);
    m_txtDados->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtDados->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    d->addWidget(m_txtDados);
    direita->addWidget(m_frameDados, 1);

    auto* veredito = new QHBoxLayout;
    m_ok = new QLabel(this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setPixmap(MarcaResultado(true, TamanhoFigura));
    m_no = new QLabel(this);
    m_no->setObjectName(QStringLiteral("NO"));
    m_no->setPixmap(MarcaResultado(false, TamanhoFigura));
    m_ok->hide();
    m_no->hide();
    m_lbStatus = new QLabel(this);
    m_lbStatus->setObjectName(QStringLiteral("lbStatus"));
    m_lbStatus->setFont(negrito);
    m_lbStatus->setMinimumHeight(TamanhoFigura);
    veredito->addWidget(m_ok);
    veredito->addWidget(m_no);
    veredito->addWidget(m_lbStatus, 1);
    direita->addLayout(veredito);
    m_lbStatus2 = new QLabel(this);
    m_lbStatus2->setObjectName(QStringLiteral("lbStatus2"));
    m_lbStatus2->setWordWrap(true);
    QSizePolicy nota = m_lbStatus2->sizePolicy();
    nota.setRetainSizeWhenHidden(true);
    m_lbStatus2->setSizePolicy(nota);
    m_lbStatus2->hide();
    direita->addWidget(m_lbStatus2);
    h->addLayout(direita, 1);

    m_frameVCore = new PainelProgresso(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
}

void Nand::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes de Memória Nand")) + QStringLiteral(" - Voltrace Tarsel"));
    for (int i = 0; i < 5; ++i)
        m_btBl[i]->setText(NandParse::Legenda(i));
    m_btPdf->setText(Traduz(QStringLiteral("PDFs Nand")));
    m_btPdf->setToolTip(Traduz(QStringLiteral("PDFs Nand_Info")));
    m_frameDados->setTitle(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbStatus2->setText(Traduz(QStringLiteral("ANALISE COMPLETA")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Executando Comando")));
}

void Nand::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void Nand::clicaTeste(int tipo) {
    if (!ocioso()) {
        m_lbAguarde->setText(NandParse::AvisoSemEnvio(enlace().estado() != EstadoEnlace::Desconectado));
        m_lbAguarde->show();
        m_timerAguarde.start();
        return;
    }
    if (NandParse::RecusadoNaFamilia(tipo, familia())) {
        Mensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    if (tipo == NandParse::TesteTensoes) {
        mostraTensoes();
        return;
    }
    if (tipo == NandParse::TesteSyscfg &&
        dialogos().mensagem(Dialogos::Icone::Pergunta, m_btBl[tipo]->text(), Traduz(QStringLiteral("Processo syscfg")),
                            Dialogos::Botoes::SimNao) != Dialogos::Resposta::Sim)
        return;
    m_ok->hide();
    m_no->hide();
    m_txtDados->clear();
    m_lbStatus->clear();
    m_lbStatus2->hide();
    m_tipo = tipo;
    PrePesquisa();
}

void Nand::PrePesquisa() {
    const QString comando = NandParse::Comando(m_tipo);
    if (comando.isEmpty() || !ocioso())
        return;
    const bool aoVivo = NandParse::CopiaAoVivo(m_tipo);
    m_frameVCore->defineIntervalo(aoVivo ? NandParse::BarraSyscfgMs : NandParse::BarraMs);
    // The long read says at once that it is long; its live copy follows the same note.
    if (aoVivo)
        m_txtDados->setPlainText(NandParse::TextoEspera());
    if (m_tipo != NandParse::TesteTamanho) {
        m_lbStatus->clear();
        m_lbStatus2->hide();
    }
    // Every test gets its own full time-out; the opening's size reading keeps its own.
    m_tiquesStatus = 0;
    m_resposta.clear();
    m_consultaAbertura = false;
    m_timerStatus.stop();
    if (envia(comando, aoVivo))
        m_timerStatus.start();
}

void Nand::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.R);
    if (m_consultaAbertura) {
        m_consultaAbertura = false;
        m_respostaTamanho = r.R;
        terminaEspera();
        return;
    }
    m_resposta = r.R;
}

void Nand::espelha(const Resposta& atual, const QString& acrescimo, bool substituido) {
    copiaAoVivo(m_txtDados, NandParse::TextoEspera(), atual, acrescimo, substituido);
}

void Nand::aoPerderResposta() {
    // The link lost the answer and has said so: nothing will come to judge.
    m_consultaAbertura = false;
    m_timerTamanho.stop();
    m_timerStatus.stop();
    terminaEspera();
}

void Nand::tamanho() {
    if (m_respostaTamanho.size() >= NandParse::MinimoTamanho) {
        m_timerTamanho.stop();
        if (const auto capacidade = NandParse::Capacidade(m_respostaTamanho))
            m_lbNand->setText(QStringLiteral("NAND ") + *capacidade);
        return;
    }
    if (++m_tiquesTamanho >= NandParse::LimiteTamanho)
        m_timerTamanho.stop();
}

void Nand::status() {
    // Only a finished answer is looked at.
    if (!ocioso())
        return;
    const NandParse::Julgamento j = NandParse::Julga(m_tipo, m_resposta);
    if (j.veredito == NandParse::Veredito::Aguarda) {
        if (++m_tiquesStatus >= NandParse::LimiteStatus) {
            m_timerStatus.stop();
            terminaEspera();
        }
        return;
    }
    m_timerStatus.stop();
    terminaEspera();
    switch (j.veredito) {
    case NandParse::Veredito::NaoDisponivel:
        m_txtDados->setPlainText(Traduz(QStringLiteral("Não disponível para 6/6P")));
        return;
    case NandParse::Veredito::SemVeredito:
    case NandParse::Veredito::Aguarda:
        return;
    case NandParse::Veredito::Passou:
        mostraVeredito(true, true);
        break;
    case NandParse::Veredito::Falhou:
        mostraVeredito(false, j.completo);
        if (j.mensagemErro)
            Mensagem(QStringLiteral("MSG_ERRO_NAND"));
        break;
    }
    // The size test refreshes the size shown, when its answer gives one.
    if (m_tipo == NandParse::TesteTamanho) {
        if (const auto capacidade = NandParse::Capacidade(m_resposta))
            m_lbNand->setText(QStringLiteral("NAND ") + *capacidade);
    }
}

void Nand::mostraVeredito(bool passou, bool completo) {
    m_lbStatus->setText(Traduz(passou ? QStringLiteral("COMUNICAÇÃO OK") : QStringLiteral("COMUNICAÇÃO OFF")));
    m_ok->setVisible(passou);
    m_no->setVisible(!passou);
    if (!completo)
        return;
    m_lbStatus2->show();
    if (m_lbNand->text().isEmpty())
        m_lbNand->setText(QStringLiteral("NAND"));
}

void Nand::mostraTensoes() {
    auto* vcores = qobject_cast<VCores*>(contexto().abreTela(NomeTela::VCores));
    if (vcores)
        vcores->mostraGrupo(QStringLiteral("NAND"));
}

} // namespace tarsel
