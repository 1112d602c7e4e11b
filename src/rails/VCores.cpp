#include "rails/VCores.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "tela/Conversoes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
const QString SemFiltro = QStringLiteral("IC's");

QList<ModeloGradeRail::Coluna> colunasVCore() {
    const QString gravacao = Traduz(QStringLiteral("Gravação"));
    return {
        {QStringLiteral("Modelo"), QStringLiteral("Modelo"), false},
        {QStringLiteral("Malha"), Traduz(QStringLiteral("Malha")), true},
        {QStringLiteral("Orig"), QStringLiteral("PMU"), true},
        {QStringLiteral("Leitura"), Traduz(QStringLiteral("Leitura")), true},
        {QStringLiteral("Ref"), Traduz(QStringLiteral("Referência")), true},
        {QStringLiteral("Porc"), QStringLiteral("%"), true},
        {QStringLiteral("Ci"), QStringLiteral("IC's"), true},
        {QStringLiteral("G1"), gravacao + QStringLiteral(" 1"), true},
        {QStringLiteral("G2"), gravacao + QStringLiteral(" 2"), true},
        {QStringLiteral("G3"), gravacao + QStringLiteral(" 3"), true},
        {QStringLiteral("RefV"), QStringLiteral("RefV"), false},
        {QStringLiteral("RefT"), QStringLiteral("RefT"), false},
        {QStringLiteral("Info"), QStringLiteral("Info"), false},
    };
}

// The picture that starts a reading too: a round green "play" mark.
QIcon iconeLeitura() {
    QPixmap p(30, 30);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setPen(QPen(QColor(20, 110, 50), 1.5));
    pt.setBrush(QColor(40, 170, 80));
    pt.drawEllipse(QRectF(1.5, 1.5, 27, 27));
    pt.setPen(Qt::NoPen);
    pt.setBrush(Qt::white);
    pt.drawPolygon(QPolygonF({QPointF(11, 8), QPointF(22, 15), QPointF(11, 22)}));
    return QIcon(p);
}
} // namespace

VCores::VCores(ContextoTela& contexto)
    : TelaGradeRail(contexto, NomeTela::VCores, TelaRail::VCore, Codigo, QStringLiteral("VCore - "), colunasVCore()) {
    auto* topo = new QVBoxLayout;
    topo->setSpacing(6);
    auto* leitura = new QHBoxLayout;
    leitura->setSpacing(6);
    m_picture1 = new QToolButton(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setAutoRaise(true);
    m_picture1->setIcon(iconeLeitura());
    m_picture1->setIconSize(QSize(30, 30));
    m_picture1->setCursor(Qt::PointingHandCursor);
    m_btExecutaLeitura = new QPushButton(this);
    m_btExecutaLeitura->setObjectName(QStringLiteral("btExecutaLeitura"));
    m_btExecutaLeitura->setMinimumHeight(Twips(540));
    QFont f = m_btExecutaLeitura->font();
    f.setBold(true);
    m_btExecutaLeitura->setFont(f);
    leitura->addWidget(m_picture1);
    leitura->addWidget(m_btExecutaLeitura, 1);
    topo->addLayout(leitura);

    m_cbICs = new QComboBox(this);
    m_cbICs->setObjectName(QStringLiteral("cbICs"));
    m_cbICs->addItems({QStringLiteral("CPU"), QStringLiteral("GPU"), QStringLiteral("NAND"), SemFiltro});
    m_cbICs->setCurrentText(SemFiltro);
    m_cbICs->setProperty("semDigitacao", true);
    m_cbICs->installEventFilter(this);
    topo->addWidget(m_cbICs);
    colunaControles()->insertLayout(0, topo);

    connect(m_btExecutaLeitura, &QPushButton::clicked, this, &VCores::PrePesquisa);
    connect(m_picture1, &QToolButton::clicked, this, &VCores::PrePesquisa);
    connect(m_cbICs, &QComboBox::textActivated, this, &VCores::PrePesquisa);

    m_btExecutaLeitura->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_cbICs->setToolTip(Traduz(QStringLiteral("Seleção de IC's a serem exibidos")));
    // Disconnected: the button waits for the main window to confirm a connection.
    if (enlace().estado() == EstadoEnlace::Desconectado)
        m_btExecutaLeitura->setEnabled(false);
    abre();
}

void VCores::aoConectar() {
    m_btExecutaLeitura->setEnabled(true);
}

void VCores::mostraGrupo(const QString& ic) {
    m_cbICs->setCurrentText(ic);
    PrePesquisa();
    // Without a reading (link busy or down) the group's rows still show; a reading shows them itself.
    if (!aguardando())
        mostra(ConsultaRail::grade(modelo(), tipo(), OrdemRail::Malha, ic));
}

QString VCores::filtro() const {
    return m_cbICs->currentText();
}

ConsultaRail VCores::consultaInicial() const {
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::Malha);
}

ConsultaRail VCores::consultaLeitura() const {
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::ModeloMalha, filtro());
}

ConsultaRail VCores::consultaOrdem(Opcao opcao) const {
    // The orderings list every VCore row of the model, whatever the IC filter shows.
    switch (opcao) {
    case Opcao::Ic:
        return ConsultaRail::grade(modelo(), tipo(), OrdemRail::CiMalha);
    case Opcao::Porc:
        return ConsultaRail::grade(modelo(), tipo(), OrdemRail::PorcDesc);
    case Opcao::Malha:
        break;
    }
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::ModeloMalha);
}

bool VCores::podeLer() const {
    return ocioso() && m_btExecutaLeitura->isEnabled();
}

void VCores::aoIniciarLeitura() {
    m_btExecutaLeitura->setEnabled(false);
    m_btExecutaLeitura->setText(Traduz(QStringLiteral("Processando comando")));
    m_picture1->setEnabled(false);
    m_cbICs->setEnabled(false);
}

void VCores::aoTerminarLeitura() {
    m_btExecutaLeitura->setEnabled(true);
    m_btExecutaLeitura->setText(Traduz(QStringLiteral("Executar Leitura")));
    m_picture1->setEnabled(true);
    m_cbICs->setEnabled(true);
}

} // namespace tarsel
