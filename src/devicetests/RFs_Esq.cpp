#include "devicetests/RFs_Esq.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Familias.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "devicetests/ValoresRF.h"
#include "store/Banco.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int LarguraTela = 12630; // twips
constexpr int AlturaTela = 8265;   // twips

enum Coluna { ColModelo, ColMalha, ColComponente, ColValor, ColTipo, TotalColunas };

} // namespace

RFs_Esq::RFs_Esq(ContextoTela& contexto)
    : Tela(contexto, NomeTela::RFs_Esq)
    , m_seletor(ValoresRF::SeletorInt) {
    montaTela();
    aplicaTextos();
    m_comboAparelhos->setCurrentText(familia());
    Consulta();
}

void RFs_Esq::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(8);
    QFont negrito = font();
    negrito.setBold(true);

    m_lbREF = new QLabel(this);
    m_lbREF->setObjectName(QStringLiteral("lbREF"));
    m_lbREF->setFont(negrito);
    m_lbREF->setWordWrap(true);
    m_lbREF->setAlignment(Qt::AlignCenter);
    v->addWidget(m_lbREF);

    // The model (its own list: any family can be looked at) and the kind of board.
    auto* linha = new QHBoxLayout;
    linha->setSpacing(8);
    m_lbModelo = new QLabel(this);
    m_lbModelo->setObjectName(QStringLiteral("lbModelo"));
    m_comboAparelhos = new QComboBox(this);
    m_comboAparelhos->setObjectName(QStringLiteral("ComboAparelhos"));
    m_comboAparelhos->addItems(FamiliasModelo());
    m_comboAparelhos->setMinimumWidth(Twips(1700));
    m_botao1 = new QPushButton(QStringLiteral("INT."), this);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("QUAL."), this);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    auto* grupo = new QButtonGroup(this);
    for (QPushButton* b : {m_botao1, m_botao2}) {
        // The pressed one stays down: the kind on show is always visible.
        b->setCheckable(true);
        b->setMinimumSize(Twips(1200), Twips(400));
        grupo->addButton(b);
    }
    m_botao1->setChecked(true);
    linha->addWidget(m_lbModelo);
    linha->addWidget(m_comboAparelhos);
    linha->addSpacing(12);
    linha->addWidget(m_botao1);
    linha->addWidget(m_botao2);
    linha->addStretch(1);
    v->addLayout(linha);
    connect(m_comboAparelhos, &QComboBox::activated, this, &RFs_Esq::Consulta);
    connect(m_botao1, &QPushButton::clicked, this, [this] { escolheTipo(ValoresRF::SeletorInt); });
    connect(m_botao2, &QPushButton::clicked, this, [this] { escolheTipo(ValoresRF::SeletorQual); });

    m_grade = new QTableWidget(0, TotalColunas, this);
    m_grade->setObjectName(QStringLiteral("DBGrid1"));
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setAlternatingRowColors(true);
    m_grade->verticalHeader()->hide();
    QHeaderView* cabecalho = m_grade->horizontalHeader();
    cabecalho->setSectionResizeMode(QHeaderView::ResizeToContents);
    cabecalho->setSectionResizeMode(ColMalha, QHeaderView::Stretch);
    v->addWidget(m_grade, 1);

    m_lbNota = new QLabel(this);
    m_lbNota->setObjectName(QStringLiteral("lbNota"));
    m_lbNota->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_lbNota->setFont(negrito);
    m_lbNota->hide();
    v->addWidget(m_lbNota);
}

void RFs_Esq::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("TensoesRF")) + QStringLiteral(" - Voltrace Tarsel"));
    m_lbREF->setText(Traduz(QStringLiteral("VALORES DE REFERÊNCIA RF")));
    m_lbModelo->setText(Traduz(QStringLiteral("Modelo:")));
    m_grade->setHorizontalHeaderLabels({QStringLiteral("Modelo"), Traduz(QStringLiteral("Malha")),
                                        Traduz(QStringLiteral("Componente")), Traduz(QStringLiteral("Referência")),
                                        QStringLiteral("Tipo")});
    m_lbNota->setText(Traduz(QStringLiteral("MODELO NAO ENCONTRADO")));
}

void RFs_Esq::posiciona(QWidget* janela, const QSize& area) {
    posicionaNoMeio(janela, area, LarguraTela, AlturaTela);
}

void RFs_Esq::escolheTipo(int seletor) {
    m_seletor = seletor;
    (seletor == ValoresRF::SeletorQual ? m_botao2 : m_botao1)->setChecked(true);
    Consulta();
}

void RFs_Esq::Consulta() {
    const QString modelo = m_comboAparelhos->currentText();
    if (modelo.isEmpty())
        return;
    QList<ValoresRF::LinhaRf> linhas;
    try {
        Banco banco({}, Banco::Modo::SomenteLeitura);
        linhas = ValoresRF::Consulta(banco, modelo, m_seletor);
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
        return;
    }
    m_grade->setRowCount(int(linhas.size()));
    for (int i = 0; i < linhas.size(); ++i) {
        const ValoresRF::LinhaRf& l = linhas.at(i);
        const QString valores[TotalColunas] = {l.modelo, l.malha, l.componente, l.valor, l.tipo};
        for (int c = 0; c < TotalColunas; ++c)
            m_grade->setItem(i, c, new QTableWidgetItem(valores[c]));
    }
    // A reference database without this family's values says so instead of an empty grid.
    m_lbNota->setVisible(linhas.isEmpty());
}

} // namespace tarsel
