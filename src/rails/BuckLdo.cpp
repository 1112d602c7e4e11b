#include "rails/BuckLdo.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "rails/MarcadoresRail.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

#include <QGridLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
QList<ModeloGradeRail::Coluna> colunasBuckLdo() {
    const QString gravacao = Traduz(QStringLiteral("Gravação"));
    return {
        {QStringLiteral("Modelo"), QStringLiteral("Modelo"), false},
        {QStringLiteral("Orig"), QStringLiteral("PMU"), true},
        {QStringLiteral("Malha"), Traduz(QStringLiteral("Malha")), true},
        {QStringLiteral("Leitura"), Traduz(QStringLiteral("Leitura")), true},
        {QStringLiteral("Ref"), Traduz(QStringLiteral("Referência")), true},
        {QStringLiteral("Porc"), QStringLiteral("%"), true},
        {QStringLiteral("Ci"), QStringLiteral("IC's"), true},
        {QStringLiteral("G1"), gravacao + QStringLiteral(" 1"), true},
        {QStringLiteral("G2"), gravacao + QStringLiteral(" 2"), true},
        {QStringLiteral("G3"), gravacao + QStringLiteral(" 3"), true},
        {QStringLiteral("RefV"), QStringLiteral("RefV"), false},
        {QStringLiteral("RefT"), QStringLiteral("RefT"), false},
        {QStringLiteral("Tipo"), QStringLiteral("Tipo"), false},
    };
}
} // namespace

BuckLdo::BuckLdo(ContextoTela& contexto)
    : TelaGradeRail(contexto, NomeTela::BuckLdo, TelaRail::BuckLdo, Codigo, QStringLiteral("Buck & Ldo - "),
                    colunasBuckLdo()) {
    auto* tipos = new QGridLayout;
    tipos->setSpacing(6);
    m_botao1 = new QPushButton(QStringLiteral("BUCK"), this);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("LDO"), this);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    m_botao3 = new QPushButton(QStringLiteral("BUCK TEST"), this);
    m_botao3->setObjectName(QStringLiteral("Botao3"));
    for (QPushButton* b : {m_botao1, m_botao2, m_botao3}) {
        b->setMinimumHeight(Twips(480));
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
    }
    tipos->addWidget(m_botao1, 0, 0);
    tipos->addWidget(m_botao2, 0, 1);
    tipos->addWidget(m_botao3, 1, 0, 1, 2);
    colunaControles()->insertLayout(0, tipos);
    connect(m_botao1, &QPushButton::clicked, this, [this] { escolheTipo(1); });
    connect(m_botao2, &QPushButton::clicked, this, [this] { escolheTipo(2); });
    connect(m_botao3, &QPushButton::clicked, this, &BuckLdo::abreBuckTeste);
    m_botao3->setEnabled(temBuckTeste());

    // The options appear with the first type chosen.
    FrameSelecoes()->hide();
    frameVar()->hide();
    abre();
}

ConsultaRail BuckLdo::consultaInicial() const {
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::Orig);
}

ConsultaRail BuckLdo::consultaLeitura() const {
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::ModeloOrig);
}

ConsultaRail BuckLdo::consultaOrdem(Opcao opcao) const {
    switch (opcao) {
    case Opcao::Ic:
        return ConsultaRail::grade(modelo(), tipo(), OrdemRail::CiOrig);
    case Opcao::Porc:
        return ConsultaRail::grade(modelo(), tipo(), OrdemRail::PorcDesc);
    case Opcao::Malha:
        break;
    }
    return ConsultaRail::grade(modelo(), tipo(), OrdemRail::ModeloOrig);
}

void BuckLdo::escolheTipo(int escolha) {
    m_escolha = escolha;
    FrameSelecoes()->show();
    frameVar()->show();
    if (!ocioso())
        mostra(ConsultaRail::grade(modelo(), tipo(), OrdemRail::Orig));
    else
        PrePesquisa();
}

void BuckLdo::aoIniciarLeitura() {
    for (QPushButton* b : {m_botao1, m_botao2, m_botao3})
        b->setEnabled(false);
}

void BuckLdo::aoTerminarLeitura() {
    m_botao1->setEnabled(true);
    m_botao2->setEnabled(true);
    m_botao3->setEnabled(temBuckTeste());
}

bool BuckLdo::temBuckTeste() const {
    return contexto().temTela(NomeTela::BuckTeste);
}

void BuckLdo::abreBuckTeste() {
    contexto().abreTela(NomeTela::BuckTeste);
}

} // namespace tarsel
