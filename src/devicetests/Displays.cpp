#include "devicetests/Displays.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/DisplaysParse.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTime>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 9900; // twips
constexpr int AlturaTela = 8865;  // twips

QString horaAtual() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

Displays::Displays(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Displays, Codigo) {
    montaTela();
    aplicaTextos();
    m_timerAguarde.setInterval(DisplaysParse::AvisoMs);
    m_timerAguarde.setSingleShot(true);
    connect(&m_timerAguarde, &QTimer::timeout, m_lbAguarde, &QLabel::hide);
}

QPushButton* Displays::btBl(int indice) const {
    return m_botoes.value(indice);
}

QPushButton* Displays::cor(const QString& nome) const {
    for (QPushButton* b : m_cores) {
        if (b->objectName() == nome)
            return b;
    }
    return nullptr;
}

void Displays::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);
    QFont negrito = font();
    negrito.setBold(true);

    for (int i = 0; i < DisplaysParse::Botoes; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QStringLiteral("btBl%1").arg(i));
        b->setMinimumHeight(Twips(450));
        connect(b, &QPushButton::clicked, this, [this, i] { clicaBotao(i); });
        m_botoes << b;
    }

    // Backlight on and off, the sweep, and the hint beside them.
    auto* backlight = new QHBoxLayout;
    for (int i : {DisplaysParse::TestaBacklight, DisplaysParse::DesligaBacklight, DisplaysParse::TodosNiveis})
        backlight->addWidget(m_botoes.at(i), 1);
    v->addLayout(backlight);

    // The fixed levels and the free one.
    m_lbNivel = new QLabel(this);
    m_lbNivel->setObjectName(QStringLiteral("lbNivel"));
    m_lbNivel->setFont(negrito);
    v->addWidget(m_lbNivel);
    auto* niveis = new QHBoxLayout;
    for (int i : {DisplaysParse::NivelBaixo, DisplaysParse::NivelMedio, DisplaysParse::NivelAlto})
        niveis->addWidget(m_botoes.at(i), 1);
    v->addLayout(niveis);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QStringLiteral("Slider1"));
    m_slider->setRange(0, 100);
    m_slider->setValue(DisplaysParse::SliderInicial);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(10);
    auto* linhaSlider = new QHBoxLayout;
    auto* valor = new QLabel(QString::number(m_slider->value()), this);
    valor->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("100")) + 4);
    connect(m_slider, &QSlider::valueChanged, valor, [valor](int n) { valor->setNum(n); });
    connect(m_slider, &QSlider::sliderReleased, this, &Displays::soltaSlider);
    linhaSlider->addWidget(m_slider, 1);
    linhaSlider->addWidget(valor);
    v->addLayout(linhaSlider);

    // The chip screens and the panel's mode.
    auto* outros = new QHBoxLayout;
    outros->addWidget(m_botoes.at(DisplaysParse::TensoesChestnut), 1);
    outros->addWidget(m_botoes.at(DisplaysParse::TensoesAcorn), 1);
    outros->addWidget(m_botoes.at(DisplaysParse::Resolucao), 1);
    v->addLayout(outros);

    // The colour fields and their text.
    auto* quadroCores = new QGroupBox(this);
    quadroCores->setObjectName(QStringLiteral("FrameCores"));
    auto* gCores = new QGridLayout(quadroCores);
    gCores->setHorizontalSpacing(6);
    const QStringList nomes = DisplaysParse::NomesCores();
    for (int i = 0; i < nomes.size(); ++i) {
        auto* b = new QPushButton(quadroCores);
        b->setObjectName(nomes.at(i));
        const QString cor = DisplaysParse::CorDoBotao(nomes.at(i));
        b->setToolTip(cor);
        b->setMinimumSize(Twips(780), Twips(450));
        b->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid #606060; }"
                                        "QPushButton:pressed { border: 2px solid #000000; }")
                             .arg(cor));
        connect(b, &QPushButton::clicked, this, [this, nome = nomes.at(i)] { clicaCor(nome); });
        gCores->addWidget(b, 0, i);
        m_cores << b;
    }
    m_txtTexto = new QLineEdit(DisplaysParse::TextoPadrao, quadroCores);
    m_txtTexto->setObjectName(QStringLiteral("txt_Texto_Cores"));
    gCores->addWidget(m_txtTexto, 1, 0, 1, int(nomes.size()));
    v->addWidget(quadroCores);
    // The frame's caption in bold, its contents as the rest of the screen.
    quadroCores->setFont(negrito);
    QFont normal = font();
    normal.setBold(false);
    for (QWidget* w : quadroCores->findChildren<QWidget*>())
        w->setFont(normal);

    // The phone's answer, and the hint when nothing could be sent.
    auto* cabecalho = new QHBoxLayout;
    m_lbDados = new QLabel(this);
    cabecalho->addWidget(m_lbDados);
    cabecalho->addStretch(1);
    m_lbAguarde = new QLabel(this);
    m_lbAguarde->setObjectName(QStringLiteral("lbAguarde"));
    m_lbAguarde->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbAguarde->setFont(negrito);
    m_lbAguarde->hide();
    cabecalho->addWidget(m_lbAguarde);
    v->addLayout(cabecalho);
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtDados->setReadOnly(true);
    v->addWidget(m_txtDados, 1);
}

void Displays::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Testes de Display")) + QStringLiteral(" - Voltrace Tarsel"));
    m_lbNivel->setText(Traduz(QStringLiteral("Nível")) + u':');
    if (auto* quadro = findChild<QGroupBox*>(QStringLiteral("FrameCores")))
        quadro->setTitle(Traduz(QStringLiteral("Cores")) + u':');
    m_lbDados->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    aplicaFamilia(familia());
}

void Displays::aplicaFamilia(const QString& familia) {
    for (int i = 0; i < m_botoes.size(); ++i) {
        m_botoes.at(i)->setText(DisplaysParse::Legenda(i, familia));
        m_botoes.at(i)->setVisible(DisplaysParse::Visivel(i, familia));
    }
}

void Displays::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void Displays::mostraAviso(bool trocaTexto) {
    if (trocaTexto)
        m_lbAguarde->setText(DisplaysParse::AvisoSemEnvio(enlace().estado() != EstadoEnlace::Desconectado));
    m_lbAguarde->show();
    m_timerAguarde.start();
}

void Displays::clicaBotao(int indice) {
    const QString tela = DisplaysParse::TelaTensoes(indice, btBl(indice) ? btBl(indice)->text() : QString());
    if (!tela.isEmpty()) {
        // No link needed: the chip screen reads on its own. A screen that is not there opens nothing.
        if (QWidget* w = contexto().abreTela(tela))
            w->setFocus();
        return;
    }
    const QString comando = DisplaysParse::Comando(indice);
    if (comando.isEmpty())
        return;
    if (!ocioso()) {
        mostraAviso(true);
        return;
    }
    envia(comando);
}

void Displays::soltaSlider() {
    if (ocioso()) {
        envia(DisplaysParse::ComandoSlider(m_slider->value()));
        return;
    }
    // Busy: the hint as it stands; without a link nothing at all.
    if (enlace().estado() != EstadoEnlace::Desconectado)
        mostraAviso(false);
}

void Displays::clicaCor(const QString& botao) {
    const DisplaysParse::ComandoCor c = DisplaysParse::Cor(familia(), m_txtTexto->text(), botao);
    if (c.recusado) {
        Mensagem(QStringLiteral("MSG_NAO_PARA_IP6"));
        return;
    }
    m_txtTexto->setText(c.texto);
    m_txtDados->setPlainText(DisplaysParse::TextoCor(horaAtual()));
    if (!ocioso()) {
        mostraAviso(true);
        return;
    }
    // Sent for no screen: the phone draws the field, and the note above stays in the box.
    contexto().envia(0, c.comando);
}

void Displays::recebe(const Resposta& r) {
    m_txtDados->setPlainText(DisplaysParse::TextoResposta(r.R, horaAtual()));
    aplicaFamilia(familia());
    terminaEspera();
}

} // namespace tarsel
