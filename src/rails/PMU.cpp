#include "rails/PMU.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "rails/ConsultaRail.h"
#include "rails/CorrentesPMU.h"
#include "rails/JulgamentoRail.h"
#include "rails/MarcadoresRail.h"
#include "rails/ParseRails.h"
#include "store/Banco.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int AlturaLinha = 360; // twips from one line to the next

// Columns of a line: name, voltage, current, deviation, reference, net, mark.
constexpr int Colunas[] = {1500, 1500, 1400, 1100, 1300, 3900, 420};

void pinta(QLabel* l, const QString& corBGR) {
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, CorBGR(corBGR));
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

QLabel* celula(QWidget* pai, const QString& nome, int indice, Qt::Alignment alinhamento = Qt::AlignCenter) {
    auto* l = new QLabel(pai);
    l->setObjectName(QStringLiteral("%1%2").arg(nome).arg(indice));
    l->setAlignment(alinhamento | Qt::AlignVCenter);
    l->setFixedHeight(Twips(AlturaLinha) - 3);
    l->hide();
    return l;
}
} // namespace

PMU::PMU(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::PMU, Codigo)
    , m_decimais(DecimaisIniciais(TelaRail::PMU)) {
    setWindowTitle(QStringLiteral("PMU - Voltrace Tarsel"));
    montaTela();
    aplicaTextos();
    for (int i = 0; i < Slots; ++i)
        garanteLinha(i);
    LimpaLinhas();

    m_decimais = CarregaDecimais(TelaRail::PMU, m_decimais);
    m_decV->setCurrentText(QString::number(m_decimais.volt));
    m_decA->setCurrentText(QString::number(m_decimais.amp));
    definePainelEspera(m_frameVCore);
    m_botao1->setFocus();
}

void PMU::aoMudarModelo(const QString& familia) {
    m_lbVar->setText(NotaRail(TelaRail::PMU, familia));
}

void PMU::montaTela() {
    const bool alta = contexto().alturaPrincipal() * 15 > 11000;
    setFixedSize(Twips(12570), Twips(8430 + (alta ? 500 : 0)));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);

    // Controls: the two rail types, the tolerance, the decimals.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(8);
    m_frameControle = new QWidget(this);
    m_frameControle->setObjectName(QStringLiteral("FrameControle"));
    auto* fc = new QHBoxLayout(m_frameControle);
    fc->setContentsMargins(0, 0, 0, 0);
    m_botao1 = new QPushButton(QStringLiteral("BUCK"), m_frameControle);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("LDO"), m_frameControle);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    for (QPushButton* b : {m_botao1, m_botao2}) {
        b->setMinimumSize(Twips(1400), Twips(480));
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        fc->addWidget(b);
    }
    connect(m_botao1, &QPushButton::clicked, this, [this] { escolheTipo(TipoBUCK); });
    connect(m_botao2, &QPushButton::clicked, this, [this] { escolheTipo(TipoLDO); });
    topo->addWidget(m_frameControle);
    topo->addSpacing(16);

    m_tolerancia = new QComboBox(this);
    m_tolerancia->setObjectName(QStringLiteral("PorcTolerancia"));
    m_tolerancia->setEditable(true);
    m_tolerancia->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 100; ++i)
        m_tolerancia->addItem(QString::number(i));
    m_tolerancia->setCurrentText(QStringLiteral("10"));
    m_tolerancia->setFixedWidth(Twips(1000));
    m_tolerancia->lineEdit()->installEventFilter(this);
    m_tolerancia->installEventFilter(this);
    m_lbTolerancia = new QLabel(QStringLiteral("( % )"), this);
    topo->addWidget(m_tolerancia);
    topo->addWidget(m_lbTolerancia);
    topo->addStretch(1);

    m_lbInfoDecimais = new QLabel(this);
    m_lbInfoDecimais->setObjectName(QStringLiteral("lbInfoDecimais"));
    m_decV = new QComboBox(this);
    m_decV->setObjectName(QStringLiteral("ComboDecimais"));
    m_decV->addItems(ItensDecimaisVolt());
    m_decA = new QComboBox(this);
    m_decA->setObjectName(QStringLiteral("ComboDecimaisAmp"));
    m_decA->addItems(ItensDecimaisAmp());
    for (QComboBox* c : {m_decV, m_decA}) {
        c->setCurrentText(QStringLiteral("3"));
        c->installEventFilter(this);
    }
    connect(m_decV, &QComboBox::textActivated, this, [this](const QString& t) {
        if (const auto n = GravaDecimaisVolt(TelaRail::PMU, t))
            m_decimais.volt = *n;
    });
    connect(m_decA, &QComboBox::textActivated, this, [this](const QString& t) {
        if (const auto n = GravaDecimaisAmp(TelaRail::PMU, t))
            m_decimais.amp = *n;
    });
    topo->addWidget(m_lbInfoDecimais);
    topo->addWidget(m_decV);
    topo->addWidget(m_decA);
    v->addLayout(topo);

    // Column headings and the lines.
    auto* cab = new QHBoxLayout;
    cab->setContentsMargins(0, 0, 0, 0);
    cab->setSpacing(0);
    const QStringList titulos = {
        QString(), QString(), QStringLiteral("(mA)"), QStringLiteral("%"), QStringLiteral("REF."),
        QString(), QString()};
    for (int c = 0; c < 7; ++c) {
        auto* l = new QLabel(titulos.at(c), this);
        l->setObjectName(QStringLiteral("Label_Ref%1").arg(c));
        l->setFixedWidth(Twips(Colunas[c]));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        cab->addWidget(l);
        if (c == 1)
            m_cabLeitura = l;
    }
    cab->addStretch(1);
    v->addLayout(cab);

    m_rolagem = new QScrollArea(this);
    m_rolagem->setObjectName(QStringLiteral("Retangulo"));
    m_rolagem->setWidgetResizable(true);
    m_rolagem->setFrameShape(QFrame::StyledPanel);
    m_grade = new QWidget(m_rolagem);
    m_gradeLayout = new QVBoxLayout(m_grade);
    m_gradeLayout->setContentsMargins(0, 2, 0, 2);
    m_gradeLayout->setSpacing(0);
    m_gradeLayout->addStretch(1);
    m_rolagem->setWidget(m_grade);
    v->addWidget(m_rolagem, 1);

    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setWordWrap(true);
    QFont fv = m_lbVar->font();
    fv.setPointSizeF(fv.pointSizeF() * 0.9);
    m_lbVar->setFont(fv);
    m_lbVar->hide();
    v->addWidget(m_lbVar);

    // The progress panel lies over the lines while a reading runs.
    m_frameVCore = new PainelProgresso(this);
}

PMU::Linha& PMU::garanteLinha(int i) {
    while (m_linhas.size() <= i) {
        const int n = m_linhas.size();
        auto* linha = new QWidget(m_grade);
        auto* v = new QVBoxLayout(linha);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        auto* h = new QHBoxLayout;
        h->setContentsMargins(0, 1, 0, 1);
        h->setSpacing(0);
        Linha l;
        l.SAIDA = celula(linha, QStringLiteral("SAIDA"), n, Qt::AlignLeft);
        l.LEITURA_V = celula(linha, QStringLiteral("LEITURA_V"), n);
        l.LEITURA_A = celula(linha, QStringLiteral("LEITURA_A"), n);
        l.PORC = celula(linha, QStringLiteral("PORC"), n);
        l.REF = celula(linha, QStringLiteral("REF"), n);
        l.MALHA_NOME = celula(linha, QStringLiteral("MALHA_NOME"), n, Qt::AlignLeft);
        l.OK = celula(linha, QStringLiteral("OK"), n);
        l.NO = celula(linha, QStringLiteral("NO"), n);
        l.OK->setPixmap(MarcaResultado(true));
        l.NO->setPixmap(MarcaResultado(false));
        QFont f = l.SAIDA->font();
        f.setBold(true);
        l.SAIDA->setFont(f);
        l.SAIDA->setIndent(6);
        l.MALHA_NOME->setIndent(8);
        QLabel* celulas[] = {l.SAIDA, l.LEITURA_V, l.LEITURA_A, l.PORC, l.REF, l.MALHA_NOME};
        for (int c = 0; c < 6; ++c) {
            celulas[c]->setFixedWidth(Twips(Colunas[c]) - 2);
            h->addWidget(celulas[c]);
            h->addSpacing(2);
        }
        auto* marcas = new QHBoxLayout;
        marcas->setSpacing(0);
        marcas->addWidget(l.OK);
        marcas->addWidget(l.NO);
        h->addLayout(marcas);
        h->addStretch(1);
        v->addLayout(h);
        l.LINHA = new QFrame(linha);
        l.LINHA->setObjectName(QStringLiteral("LINHA%1").arg(n));
        l.LINHA->setFrameShape(QFrame::HLine);
        l.LINHA->setFrameShadow(QFrame::Plain);
        l.LINHA->setStyleSheet(QStringLiteral("color: #c8ccd2"));
        l.LINHA->hide();
        v->addWidget(l.LINHA);
        m_gradeLayout->insertWidget(n, linha);
        m_linhas.append(l);
    }
    return m_linhas[i];
}

void PMU::aplicaTextos() {
    m_lbInfoDecimais->setText(Traduz(QStringLiteral("Decimais")) + QStringLiteral(": ( V / mA )"));
    m_cabLeitura->setText(Traduz(QStringLiteral("Leitura")).toUpper() + QStringLiteral(": (V)"));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Realizando Leitura...")));
    m_lbVar->setText(NotaRail(TelaRail::PMU, familia()));
}

void PMU::posiciona(QWidget* janela, const QSize& area) {
    // Centred across the main window; high main windows get it centred and lifted, others near the top.
    const int x = qMax(0, (area.width() - janela->width()) / 2);
    int y = Twips(50);
    if (contexto().alturaPrincipal() * 15 > 12000)
        y = qMax(0, (area.height() - janela->height()) / 2 - Twips(1050));
    janela->move(x, y);
}

void PMU::escolheTipo(TipoRail tipo) {
    m_tipo = tipo;
    if (ocioso())
        Pesquisa();
}

void PMU::LimpaLinhas() {
    for (Linha& l : m_linhas) {
        for (QLabel* c : {l.SAIDA, l.LEITURA_V, l.LEITURA_A, l.PORC, l.REF, l.MALHA_NOME}) {
            c->clear();
            c->hide();
        }
        pinta(l.LEITURA_V, Cores::Branco);
        pinta(l.PORC, Cores::Verde);
        l.OK->hide();
        l.NO->hide();
        l.LINHA->hide();
    }
    for (int i = Slots; i < m_linhas.size(); ++i)
        m_linhas[i].SAIDA->parentWidget()->hide();
}

void PMU::Pesquisa() {
    LimpaLinhas();
    m_lbVar->setText(NotaRail(TelaRail::PMU, familia()));
    m_lbVar->show();
    envia(QStringLiteral("pmuadc --read all"));
}

void PMU::aoIniciarEspera() {
    m_frameControle->setEnabled(false);
}

void PMU::aoTerminarEspera() {
    m_frameControle->setEnabled(true);
}

void PMU::recebe(const Resposta&) {
    GeraGrid();
}

void PMU::GeraGrid() {
    // The screen reads the console itself; a failure reaches the screen base's error guard.
    ProcessaLeituras(TelaRail::PMU, enlace().txtConsole(), familia(), m_tipo, m_decimais.volt, m_decimais.amp);
    MostraLinhas();
}

void PMU::MostraLinhas() {
    const JulgamentoRail::Tolerancia tolerancia = JulgamentoRail::toleranciaDaLeitura(m_tolerancia->currentText());
    m_tolerancia->setCurrentText(tolerancia.texto);
    const double t = tolerancia.valor;
    const QString familia = this->familia();

    Banco b;
    QSqlQuery q = ConsultaRail::tensoesPMU(familia, m_tipo).executa(b);
    int n = 0;
    while (q.next()) {
        Linha& l = garanteLinha(n);
        l.SAIDA->parentWidget()->show();
        l.SAIDA->setText(q.value(QStringLiteral("Orig")).toString().toUpper());
        l.LEITURA_V->setText(q.value(QStringLiteral("Leitura")).toString());
        const QString porc = q.value(QStringLiteral("Porc")).toString();
        l.PORC->setText(porc);
        l.REF->setText(q.value(QStringLiteral("Ref")).toString());
        l.MALHA_NOME->setText(q.value(QStringLiteral("Malha")).toString());
        l.MALHA_NOME->setToolTip(l.MALHA_NOME->text());
        for (QLabel* c : {l.SAIDA, l.LEITURA_V, l.PORC, l.REF, l.MALHA_NOME})
            c->show();
        l.LINHA->show();
        switch (JulgamentoRail::julga(porc, t)) {
        case JulgamentoRail::Juizo::Dentro:
            l.OK->show();
            break;
        case JulgamentoRail::Juizo::Fora:
            pinta(l.LEITURA_V, Cores::Amarelo);
            pinta(l.PORC, Cores::Amarelo);
            l.NO->show();
            break;
        case JulgamentoRail::Juizo::SemDesvio:
            // A value that timed out ("**") is not judged: neither mark, a blank deviation cell.
            pinta(l.PORC, Cores::Branco);
            break;
        }
        ++n;
    }

    // Currents beside their rails.
    QList<CorrenteRail> correntes;
    QSqlQuery c = ConsultaRail::correntesPMU(familia, m_tipo).executa(b);
    while (c.next())
        correntes.append({c.value(QStringLiteral("Orig")).toString(), c.value(QStringLiteral("Leitura")).toString()});
    QStringList nomes;
    for (int i = 0; i < n; ++i)
        nomes << m_linhas.at(i).SAIDA->text();
    const QList<std::optional<QString>> porLinha = CorrentesDasLinhas(nomes, correntes);
    for (int i = 0; i < n; ++i) {
        if (!porLinha.at(i))
            continue;
        m_linhas[i].LEITURA_A->setText(*porLinha.at(i));
        m_linhas[i].LEITURA_A->show();
    }
    terminaEspera();
}

int PMU::linhasVisiveis() const {
    int n = 0;
    for (const Linha& l : m_linhas)
        n += l.SAIDA->isVisibleTo(const_cast<PMU*>(this)) ? 1 : 0;
    return n;
}

void PMU::normalizaTolerancia() {
    m_tolerancia->setCurrentText(JulgamentoRail::normalizaTolerancia(m_tolerancia->currentText()));
}

bool PMU::eventFilter(QObject* o, QEvent* e) {
    if ((o == m_decV || o == m_decA) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k != Qt::Key_Tab && k != Qt::Key_Backtab)
            return true;
    }
    if ((o == m_tolerancia || o == m_tolerancia->lineEdit()) && e->type() == QEvent::FocusOut)
        normalizaTolerancia();
    return TelaComando::eventFilter(o, e);
}

} // namespace tarsel
