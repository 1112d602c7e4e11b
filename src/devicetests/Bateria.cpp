#include "devicetests/Bateria.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/PainelProgresso.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 8940; // twips
constexpr int AlturaTela = 7620;  // twips

} // namespace

Bateria::Bateria(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Bateria, Codigo) {
    recebeTambem(CodigoMedidor);
    montaTela();
    aplicaTextos();
    defineComparador({}, {});
    definePainelEspera(m_frameVCore);

    m_timerLer.setInterval(EsperaMedidorMs);
    connect(&m_timerLer, &QTimer::timeout, this, &Bateria::leMedidor);
    connect(m_btBateria, &QPushButton::clicked, this, &Bateria::Ler);

    // Opened on a connected phone: the reading starts at once (after the window is up).
    QTimer::singleShot(0, this, [this] {
        if (ocioso())
            iniciaLeitura();
    });
}

void Bateria::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);

    // The eight figures, caption and value per row, with the button beside them.
    auto* topo = new QHBoxLayout;
    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(12);
    grade->setVerticalSpacing(3);
    for (int i = 0; i < BateriaParse::TotalLinhas; ++i) {
        m_descricao[i] = new QLabel(this);
        m_descricao[i]->setObjectName(QStringLiteral("Info_Descricao%1").arg(i));
        QFont f = m_descricao[i]->font();
        f.setBold(true);
        m_descricao[i]->setFont(f);
        m_info[i] = new QLabel(this);
        m_info[i]->setObjectName(QStringLiteral("Info%1").arg(i));
        m_info[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        m_info[i]->setMinimumWidth(Twips(1500));
        grade->addWidget(m_descricao[i], i, 0);
        grade->addWidget(m_info[i], i, 1);
    }
    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setWordWrap(true);
    m_lbVar->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbVar->hide();
    grade->addWidget(m_lbVar, BateriaParse::TotalLinhas, 0, 1, 2);
    topo->addLayout(grade, 1);

    auto* lado = new QVBoxLayout;
    m_btBateria = new QPushButton(this);
    m_btBateria->setObjectName(QStringLiteral("btBateria"));
    m_btBateria->setMinimumSize(Twips(2000), Twips(600));
    lado->addWidget(m_btBateria);
    lado->addStretch(1);
    topo->addLayout(lado);
    v->addLayout(topo);

    // The identity answers: the attached phone's and the known-good board's.
    const QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* caixas = new QHBoxLayout;
    caixas->setSpacing(10);
    for (int i = 0; i < 2; ++i) {
        auto* coluna = new QVBoxLayout;
        coluna->setSpacing(3);
        auto* rotulo = new QLabel(this);
        auto* caixa = new QPlainTextEdit(this);
        caixa->setObjectName(i == 0 ? QStringLiteral("txtDados") : QStringLiteral("txtComparador"));
        caixa->setFont(fixa);
        caixa->setReadOnly(true);
        caixa->setLineWrapMode(QPlainTextEdit::NoWrap);
        coluna->addWidget(rotulo);
        coluna->addWidget(caixa, 1);
        caixas->addLayout(coluna, 1);
        (i == 0 ? m_lbDados : m_lbComparador) = rotulo;
        (i == 0 ? m_txtDados : m_txtComparador) = caixa;
    }
    v->addLayout(caixas, 1);

    m_frameVCore = new PainelProgresso(this);
    m_frameVCore->setObjectName(QStringLiteral("FrameVCore"));
}

void Bateria::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Bateria")) + QStringLiteral(" - Voltrace Tarsel"));
    for (int i = 0; i < BateriaParse::TotalLinhas; ++i)
        m_descricao[i]->setText(Traduz(BateriaParse::ChaveDescricao(i)));
    m_btBateria->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_lbDados->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Realizando Leitura...")));
    if (m_lbVar->isVisible())
        m_lbVar->setText(BateriaParse::Nota(familia()));
}

void Bateria::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void Bateria::Ler() {
    if (!ocioso())
        return;
    m_txtDados->clear();
    for (QLabel* l : m_info)
        l->clear();
    m_lbVar->hide();
    defineComparador({}, {});
    iniciaLeitura();
}

void Bateria::iniciaLeitura() {
    // A reading left waiting for its gauge command is replaced by this one.
    m_timerLer.stop();
    envia(BateriaParse::ComandoPropriedades);
}

void Bateria::leMedidor() {
    // Until the link is idle again (or back after a loss) the gauge command waits.
    if (!ocioso())
        return;
    m_timerLer.stop();
    enviaComCodigo(CodigoMedidor, BateriaParse::ComandoMedidor);
}

void Bateria::recebe(const Resposta& r) {
    if (r.codigo == CodigoMedidor) {
        Organiza(r.R);
        return;
    }
    m_txtDados->setPlainText(r.R);
    defineComparador(familia(), BateriaParse::ComandoPropriedades);
    m_timerLer.start();
}

void Bateria::Organiza(const QString& resposta) {
    const BateriaParse::Leitura l = BateriaParse::Organiza(resposta);
    for (int i = 0; i < BateriaParse::TotalLinhas; ++i)
        m_info[i]->setText(l.valores[i]);
    if (l.faltou)
        m_lbVar->setText(BateriaParse::Nota(familia()));
    m_lbVar->setVisible(l.faltou);
    terminaEspera();
}

void Bateria::aoMudarModelo(const QString& familia) {
    if (!m_txtDados->toPlainText().isEmpty())
        defineComparador(familia, BateriaParse::ComandoPropriedades);
}

void Bateria::defineComparador(const QString& familia, const QString& comando) {
    m_txtComparador->setPlainText(respostaGravada(familia, comando));
}

} // namespace tarsel
