#include "devicetests/Codec.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/CodecParse.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"
#include "tela/PainelProgresso.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 6120; // twips
constexpr int AlturaTela = 5160;  // twips
constexpr int TamanhoFigura = 40;

} // namespace

Codec::Codec(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Codec, Codigo) {
    montaTela();
    aplicaTextos();
    definePainelEspera(m_frameVCore, [this] { return m_frameResultado->geometry(); });

    m_timerAdicional.setInterval(CodecParse::SegundoEnvioMs);
    m_timerLer.setInterval(CodecParse::VereditoMs);
    connect(&m_timerAdicional, &QTimer::timeout, this, &Codec::segundoEnvio);
    connect(&m_timerLer, &QTimer::timeout, this, &Codec::julga);
    connect(m_btLer, &QPushButton::clicked, this, &Codec::Testar);
}

void Codec::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);

    m_btLer = new QPushButton(this);
    m_btLer->setObjectName(QStringLiteral("btLer"));
    m_btLer->setMinimumHeight(Twips(600));
    QFont negrito = m_btLer->font();
    negrito.setBold(true);
    m_btLer->setFont(negrito);
    v->addWidget(m_btLer);

    // The verdict: its text and one of the two pictures.
    m_frameResultado = new QFrame(this);
    m_frameResultado->setObjectName(QStringLiteral("FrameResultado"));
    m_frameResultado->setFrameShape(QFrame::StyledPanel);
    m_frameResultado->setMinimumHeight(Twips(1500));
    auto* r = new QVBoxLayout(m_frameResultado);
    m_lbTituloResultado = new QLabel(m_frameResultado);
    m_lbTituloResultado->setFont(negrito);
    r->addWidget(m_lbTituloResultado);
    auto* linha = new QHBoxLayout;
    m_ok = new QLabel(m_frameResultado);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setPixmap(MarcaResultado(true, TamanhoFigura));
    m_no = new QLabel(m_frameResultado);
    m_no->setObjectName(QStringLiteral("NO"));
    m_no->setPixmap(MarcaResultado(false, TamanhoFigura));
    m_lbResultado = new QLabel(m_frameResultado);
    m_lbResultado->setObjectName(QStringLiteral("lbResultado"));
    m_lbResultado->setWordWrap(true);
    m_lbResultado->setFont(negrito);
    linha->addWidget(m_ok);
    linha->addWidget(m_no);
    linha->addWidget(m_lbResultado, 1);
    r->addLayout(linha);
    r->addStretch(1);
    m_ok->hide();
    m_no->hide();
    m_lbResultado->hide();
    v->addWidget(m_frameResultado);

    m_lbAviso = new QLabel(this);
    m_lbAviso->setObjectName(QStringLiteral("lbAviso"));
    m_lbAviso->setWordWrap(true);
    m_lbAviso->setStyleSheet(QStringLiteral("color: #b00000;"));
    v->addWidget(m_lbAviso);

    // What the phone answered, for the technician who wants to see it.
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setReadOnly(true);
    m_txtDados->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    v->addWidget(m_txtDados, 1);

    m_frameVCore = new PainelProgresso(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
}

void Codec::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("CodecAudio")) + QStringLiteral(" - Voltrace Tarsel"));
    m_btLer->setText(Traduz(QStringLiteral("Executar Teste")));
    m_lbTituloResultado->setText(Traduz(QStringLiteral("Resultado")) + QStringLiteral(":"));
    m_lbAviso->setText(Traduz(QStringLiteral("AvisoTeste")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Executando Comando")));
    if (m_lbResultado->isVisible())
        m_lbResultado->setText(Traduz(m_ok->isVisible() ? QStringLiteral("CodecOK") : QStringLiteral("CodecNO")));
}

void Codec::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void Codec::Testar() {
    if (!ocioso())
        return;
    m_lbResultado->hide();
    m_ok->hide();
    m_no->hide();
    m_txtDados->clear();
    m_timerLer.start();
    m_timerAdicional.start();
    envia(CodecParse::ComandoReset);
}

void Codec::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.console);
}

void Codec::segundoEnvio() {
    // The second reset goes once the first has been answered and the line is free.
    if (m_txtDados->toPlainText().isEmpty() || !ocioso())
        return;
    m_timerAdicional.stop();
    envia(CodecParse::ComandoReset);
}

void Codec::julga() {
    // The verdict is on the second answer: while it is still on the line, the next tick judges.
    if (m_timerAdicional.isActive() || m_txtDados->toPlainText().isEmpty() || emCurso())
        return;
    m_timerLer.stop();
    terminaEspera();
    const bool passou = CodecParse::Passou(m_txtDados->toPlainText());
    m_lbResultado->setText(Traduz(passou ? QStringLiteral("CodecOK") : QStringLiteral("CodecNO")));
    m_ok->setVisible(passou);
    m_no->setVisible(!passou);
    m_lbResultado->show();
}

void Codec::aoPerderResposta() {
    // The line is gone: nothing more will come for this check.
    m_timerAdicional.stop();
    m_timerLer.stop();
    TelaComando::aoPerderResposta();
}

} // namespace tarsel
