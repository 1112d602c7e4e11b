#include "rails/TelaGradeRail.h"

#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "rails/GravacoesRail.h"
#include "rails/LinhasRail.h"
#include "rails/MarcadoresRail.h"
#include "rails/ParseRails.h"
#include "report/RelatorioRail.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "tela/AbreLink.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/RelatorioPdf.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
const QString ComandoLeitura = QStringLiteral("pmuadc --read all");
constexpr int LarguraControles = 3400; // twips, the column beside the grid
constexpr int RefrescosTimer2 = 10;    // the counter starts at 1: nine refreshes at most

// The picture beside the report button: a sheet with a red "PDF" band.
QIcon iconePdf() {
    QPixmap p(28, 32);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setPen(QPen(QColor(110, 110, 110), 1.2));
    pt.setBrush(Qt::white);
    pt.drawPolygon(QPolygonF({QPointF(4, 1), QPointF(19, 1), QPointF(25, 7), QPointF(25, 31), QPointF(4, 31)}));
    pt.drawPolyline(QPolygonF({QPointF(19, 1), QPointF(19, 7), QPointF(25, 7)}));
    pt.setPen(Qt::NoPen);
    pt.setBrush(QColor(200, 30, 30));
    pt.drawRoundedRect(QRectF(1, 15, 22, 11), 2, 2);
    QFont f;
    f.setBold(true);
    f.setPixelSize(9);
    pt.setFont(f);
    pt.setPen(Qt::white);
    pt.drawText(QRectF(1, 15, 22, 11), Qt::AlignCenter, QStringLiteral("PDF"));
    return QIcon(p);
}

bool teclaDeEscolha(int tecla) {
    return tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab;
}
} // namespace

TelaGradeRail::TelaGradeRail(ContextoTela& contexto, const QString& nome, TelaRail tela, int codigo,
                             QString prefixoTitulo, QList<ModeloGradeRail::Coluna> colunas)
    : TelaComando(contexto, nome, codigo)
    , m_telaRail(tela)
    , m_prefixoTitulo(std::move(prefixoTitulo))
    , m_decimais(DecimaisIniciais(tela)) {
    m_modelo = new ModeloGradeRail(std::move(colunas), this);
    m_modelo->setObjectName(QStringLiteral("Data1"));

    auto timer = [this](const QString& nomeTimer, int intervalo, void (TelaGradeRail::*tick)()) {
        auto* t = new QTimer(this);
        t->setObjectName(nomeTimer);
        t->setInterval(intervalo);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    m_timer1 = timer(QStringLiteral("Timer1"), 500, &TelaGradeRail::tickTimer1);
    m_timer2 = timer(QStringLiteral("Timer2"), 750, &TelaGradeRail::tickTimer2);
    m_timerIndicaVar = timer(QStringLiteral("TimerIndicaVar"), 1500, &TelaGradeRail::tickIndicaVar);

    montaTela();
    definePainelEspera(m_frameVCore, [this] { return m_grade->geometry(); });
}

TelaGradeRail::~TelaGradeRail() {
    // Recorded readings are kept in the user's copy too.
    if (m_gravacoesMudaram)
        CopiaBancoUsuario();
}

QPushButton* TelaGradeRail::btGravar(int n) const {
    return n >= 1 && n <= 3 ? m_btGravar[n - 1] : nullptr;
}

QPushButton* TelaGradeRail::btExcluir(int n) const {
    return n >= 1 && n <= 3 ? m_btExcluir[n - 1] : nullptr;
}

bool TelaGradeRail::podeLer() const {
    return ocioso();
}

void TelaGradeRail::mostra(const ConsultaRail& consulta) {
    protege([&] { m_modelo->carrega(consulta); });
}

void TelaGradeRail::montaTela() {
    const int principal = contexto().alturaPrincipal();
    const int altura = principal * 15 > 11000 ? principal - Twips(2400) : Twips(8880);
    resize(Twips(16005), altura);

    auto* raiz = new QHBoxLayout(this);
    raiz->setContentsMargins(8, 8, 8, 8);
    raiz->setSpacing(8);

    // The grid and the note under it.
    auto* esquerda = new QVBoxLayout;
    esquerda->setSpacing(Twips(100));
    m_grade = new QTableView(this);
    m_grade->setObjectName(QStringLiteral("DBGrid1"));
    m_grade->setModel(m_modelo);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setAlternatingRowColors(true);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(m_grade->fontMetrics().height() + 6);
    m_grade->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_grade->horizontalHeader()->setHighlightSections(false);
    m_grade->horizontalHeader()->setStretchLastSection(true);
    // Each column as wide as its caption and texts need.
    m_grade->horizontalHeader()->setMinimumSectionSize(Twips(600));
    m_grade->horizontalHeader()->setDefaultSectionSize(Twips(600));
    QFont fc = m_grade->horizontalHeader()->font();
    fc.setBold(true);
    m_grade->horizontalHeader()->setFont(fc);
    for (int c = 0; c < m_modelo->colunas().size(); ++c)
        m_grade->setColumnHidden(c, !m_modelo->colunas().at(c).visivel);
    m_grade->viewport()->installEventFilter(this);
    m_grade->viewport()->setMouseTracking(true);
    connect(m_modelo, &ModeloGradeRail::carregada, this, [this] {
        // Columns only widen, so that the refreshes of a read do not make them jump.
        for (int c = 0; c < m_modelo->columnCount(); ++c) {
            if (m_grade->isColumnHidden(c))
                continue;
            const int w = qMax(static_cast<QAbstractItemView*>(m_grade)->sizeHintForColumn(c),
                               m_grade->horizontalHeader()->sectionSizeHint(c)) +
                          12;
            if (w > m_grade->columnWidth(c))
                m_grade->setColumnWidth(c, w);
        }
    });
    esquerda->addWidget(m_grade, 1);

    m_frameVar = new QFrame(this);
    m_frameVar->setObjectName(QStringLiteral("frameVar"));
    auto* fv = new QHBoxLayout(m_frameVar);
    fv->setContentsMargins(0, 0, 0, 0);
    m_lbVar = new QLabel(m_frameVar);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setWordWrap(true);
    QFont fn = m_lbVar->font();
    fn.setBold(true);
    fn.setPointSizeF(fn.pointSizeF() * 0.9);
    m_lbVar->setFont(fn);
    fv->addWidget(m_lbVar, 1);
    esquerda->addWidget(m_frameVar);
    raiz->addLayout(esquerda, 1);

    // The column of controls.
    auto* coluna = new QWidget(this);
    coluna->setFixedWidth(Twips(LarguraControles));
    m_colunaControles = new QVBoxLayout(coluna);
    m_colunaControles->setContentsMargins(0, 0, 0, 0);
    m_colunaControles->setSpacing(8);

    m_frameSelecoes = new QWidget(coluna);
    m_frameSelecoes->setObjectName(QStringLiteral("FrameSelecoes"));
    auto* fs = new QVBoxLayout(m_frameSelecoes);
    fs->setContentsMargins(0, 0, 0, 0);
    fs->setSpacing(8);

    m_frame1 = new QGroupBox(m_frameSelecoes);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QHBoxLayout(m_frame1);
    f1->setContentsMargins(8, 4, 8, 6);
    m_opcoes = new QButtonGroup(this);
    m_opMalha = new QRadioButton(m_frame1);
    m_opMalha->setObjectName(QStringLiteral("OpMalha"));
    m_opPorc = new QRadioButton(QStringLiteral("%"), m_frame1);
    m_opPorc->setObjectName(QStringLiteral("OpPorc"));
    m_opIc = new QRadioButton(QStringLiteral("IC's"), m_frame1);
    m_opIc->setObjectName(QStringLiteral("OpIc"));
    const std::pair<QRadioButton*, Opcao> opcoes[] = {
        {m_opMalha, Opcao::Malha}, {m_opPorc, Opcao::Porc}, {m_opIc, Opcao::Ic}};
    for (const auto& [botao, opcao] : opcoes) {
        m_opcoes->addButton(botao);
        f1->addWidget(botao);
        connect(botao, &QRadioButton::clicked, this, [this, opcao = opcao] { escolheOrdem(opcao); });
    }
    m_opMalha->setChecked(true);
    m_opcaoMarcada = m_opMalha;
    fs->addWidget(m_frame1);

    m_frameGravacoes = new QGroupBox(m_frameSelecoes);
    m_frameGravacoes->setObjectName(QStringLiteral("FrameGravacoes"));
    auto* fg = new QGridLayout(m_frameGravacoes);
    fg->setContentsMargins(8, 4, 8, 6);
    fg->setHorizontalSpacing(6);
    fg->setVerticalSpacing(4);
    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        m_lbGravacao[i] = new QLabel(QString::number(n), m_frameGravacoes);
        m_btGravar[i] = new QPushButton(m_frameGravacoes);
        m_btGravar[i]->setObjectName(QStringLiteral("btGravar%1").arg(n));
        m_btExcluir[i] = new QPushButton(QStringLiteral("-"), m_frameGravacoes);
        m_btExcluir[i]->setObjectName(QStringLiteral("btExcluir%1").arg(n));
        m_btExcluir[i]->setFixedWidth(Twips(500));
        fg->addWidget(m_lbGravacao[i], i, 0);
        fg->addWidget(m_btGravar[i], i, 1);
        fg->addWidget(m_btExcluir[i], i, 2);
        connect(m_btGravar[i], &QPushButton::clicked, this, [this, n] { grava(n, false); });
        connect(m_btExcluir[i], &QPushButton::clicked, this, [this, n] { grava(n, true); });
    }
    fg->setColumnStretch(1, 1);
    fs->addWidget(m_frameGravacoes);

    auto* decimais = new QWidget(m_frameSelecoes);
    auto* fd = new QGridLayout(decimais);
    fd->setContentsMargins(0, 0, 0, 0);
    fd->setHorizontalSpacing(6);
    m_lbDecimais = new QLabel(decimais);
    m_lbDecimais->setObjectName(QStringLiteral("lbDecimais"));
    m_decV = new QComboBox(decimais);
    m_decV->setObjectName(QStringLiteral("ComboDecimais"));
    m_decV->addItems(ItensDecimaisVolt());
    m_decA = new QComboBox(decimais);
    m_decA->setObjectName(QStringLiteral("ComboDecimaisAmp"));
    m_decA->addItems(ItensDecimaisAmp());
    for (QComboBox* c : {m_decV, m_decA}) {
        c->setProperty("semDigitacao", true);
        c->installEventFilter(this);
    }
    connect(m_decV, &QComboBox::textActivated, this, [this](const QString& t) { escolheDecimais(true, t); });
    connect(m_decA, &QComboBox::textActivated, this, [this](const QString& t) { escolheDecimais(false, t); });
    fd->addWidget(m_lbDecimais, 0, 0, 1, 2);
    fd->addWidget(m_decV, 1, 0);
    fd->addWidget(m_decA, 1, 1);
    fs->addWidget(decimais);
    m_colunaControles->addWidget(m_frameSelecoes);
    m_colunaControles->addStretch(1);

    // The report button, with its picture lying over the right end of the caption's trailing blanks.
    m_btExportar = new QPushButton(coluna);
    m_btExportar->setObjectName(QStringLiteral("btExportar"));
    m_btExportar->setMinimumHeight(Twips(600));
    auto* fe = new QHBoxLayout(m_btExportar);
    fe->setContentsMargins(4, 2, 6, 2);
    fe->addStretch(1);
    m_imgPdf = new QToolButton(m_btExportar);
    m_imgPdf->setObjectName(QStringLiteral("imgPdf"));
    m_imgPdf->setAutoRaise(true);
    m_imgPdf->setIcon(iconePdf());
    m_imgPdf->setIconSize(QSize(22, 26));
    m_imgPdf->setCursor(Qt::PointingHandCursor);
    fe->addWidget(m_imgPdf);
    connect(m_btExportar, &QPushButton::clicked, this, [this] { exporta(); });
    connect(m_imgPdf, &QToolButton::clicked, this, [this] { exporta(); });
    m_colunaControles->addWidget(m_btExportar);
    m_btSalvarPdf = new QPushButton(coluna);
    m_btSalvarPdf->setObjectName(QStringLiteral("btSalvarPdf"));
    connect(m_btSalvarPdf, &QPushButton::clicked, this, [this] { exporta(true); });
    m_colunaControles->addWidget(m_btSalvarPdf);
    raiz->addWidget(coluna);

    // The progress panel lies over the grid while a read runs.
    m_frameVCore = new PainelProgresso(this, true);
}

void TelaGradeRail::aplicaTextos() {
    m_frame1->setTitle(Traduz(QStringLiteral("Classificação")));
    m_opMalha->setText(Traduz(QStringLiteral("Malha")));
    m_frameGravacoes->setTitle(Traduz(QStringLiteral("Gravação")));
    for (int i = 0; i < 3; ++i) {
        m_btGravar[i]->setText(Traduz(QStringLiteral("Gravar")));
        m_btGravar[i]->setToolTip(Traduz(QStringLiteral("Gravar")));
        m_btExcluir[i]->setToolTip(Traduz(QStringLiteral("Excluir")));
    }
    m_lbDecimais->setText(Traduz(QStringLiteral("Decimais")) + QStringLiteral(": V / mA"));
    m_decV->setToolTip(Traduz(QStringLiteral("Casas Decimais")) + QStringLiteral(" V"));
    m_decA->setToolTip(Traduz(QStringLiteral("Casas Decimais")) + QStringLiteral(" mA"));
    m_btExportar->setText(Traduz(QStringLiteral("Gerar Relatório PDF")));
    m_btExportar->setToolTip(m_btExportar->text().trimmed());
    m_imgPdf->setToolTip(m_btExportar->toolTip());
    m_btSalvarPdf->setText(Traduz(QStringLiteral("Salvar PDF")));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Realizando Leitura...")));
    m_lbVar->setText(textoNota());
}

void TelaGradeRail::abre() {
    protege([] { LinhasRail::LimpaLeituras(); });
    mostra(consultaInicial());
    m_leituraFeita = false;
    m_gravacoesMudaram = false;
    m_decimais = DecimaisIniciais(m_telaRail);
    m_decimais = CarregaDecimais(m_telaRail, m_decimais);
    m_decV->setCurrentText(QString::number(m_decimais.volt));
    m_decA->setCurrentText(QString::number(m_decimais.amp));
    aplicaTextos();
    atualizaTitulo();
}

void TelaGradeRail::atualizaTitulo() {
    setWindowTitle(m_prefixoTitulo + modelo() + QStringLiteral("  ") + contexto().numeroModelo() +
                   QStringLiteral(" - Voltrace Tarsel"));
}

QString TelaGradeRail::textoNota() const {
    return NotaRail(m_telaRail, modelo());
}

void TelaGradeRail::aoBuscarDadosGravados(const QString&) {
    atualizaTitulo();
    LimpaLeiturasExterno();
}

void TelaGradeRail::aoMudarModelo(const QString& familia) {
    atualizaTitulo();
    LimpaLeiturasExterno();
    pintaNota(false);
    m_lbVar->setText(NotaRail(m_telaRail, familia));
}

void TelaGradeRail::LimpaLeiturasExterno() {
    protege([] { LinhasRail::LimpaLeituras(); });
    mostra(consultaInicial());
}

void TelaGradeRail::posiciona(QWidget* janela, const QSize& area) {
    // The window's own size; centred across the main window's area and lifted above its middle.
    const int principal = contexto().alturaPrincipal();
    const int altura = principal * 15 > 11000 ? principal - Twips(2400) : Twips(8880);
    janela->resize(qMin(Twips(16005), area.width()), qMin(altura, area.height()));
    const int x = qMax(0, (area.width() - janela->width()) / 2);
    const int y = qMax(0, (area.height() - janela->height()) / 2 - Twips(1050));
    janela->move(x, y);
}

bool TelaGradeRail::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress && o->property("semDigitacao").toBool()) {
        // The lists take no typing; the arrows still step through their items.
        if (!teclaDeEscolha(static_cast<QKeyEvent*>(e)->key()))
            return true;
    }
    if (o == m_grade->viewport() && (e->type() == QEvent::MouseMove || e->type() == QEvent::MouseButtonPress))
        contexto().ocultaSubMenu();
    return TelaComando::eventFilter(o, e);
}

void TelaGradeRail::PrePesquisa() {
    if (!podeLer())
        return;
    try {
        LinhasRail::LimpaLeituras();
        m_modelo->carrega(consultaLeitura());
    } catch (const ErroVB& e) {
        // Without its database the read cannot show anything: nothing is sent.
        dialogos().erro(e.numero(), e.descricao());
        return;
    }
    ExecutaPesquisa();
}

void TelaGradeRail::ExecutaPesquisa() {
    m_resposta.clear();
    m_opMalha->setChecked(true);
    m_opcaoMarcada = m_opMalha;
    // A command that did not go out has been reported; the controls are back.
    if (!envia(ComandoLeitura))
        return;
    m_timer1->start();
    m_contador = 1;
}

void TelaGradeRail::recebe(const Resposta& resposta) {
    m_resposta = resposta.console;
}

void TelaGradeRail::aoIniciarEspera() {
    aoIniciarLeitura();
    m_frame1->setEnabled(false);
    m_decV->setEnabled(false);
    m_decA->setEnabled(false);
}

void TelaGradeRail::aoTerminarEspera() {
    m_decV->setEnabled(true);
    m_decA->setEnabled(true);
    m_frame1->setEnabled(true);
    aoTerminarLeitura();
}

void TelaGradeRail::aoPerderResposta() {
    // No answer is coming: nothing to parse, the grid keeps what it shows.
    m_timer1->stop();
    m_timer2->stop();
    terminaEspera();
}

void TelaGradeRail::tickTimer1() {
    // The answer is complete once the link is idle again.
    if (!ocioso())
        return;
    ProcessaLeituras();
    m_timer1->stop();
    m_timer2->start();
}

void TelaGradeRail::ProcessaLeituras() {
    bool lido = false;
    try {
        lido = tarsel::ProcessaLeituras(m_telaRail, m_resposta, modelo(), tipo(), m_decimais.volt, m_decimais.amp);
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
    }
    if (!lido) {
        m_decV->setEnabled(true);
        m_decA->setEnabled(true);
        painelEspera()->para();
        m_timer1->stop();
        m_timer2->stop();
        return;
    }
    m_leituraFeita = true;
    m_timerIndicaVar->start();
    pintaNota(true);
}

void TelaGradeRail::pintaNota(bool destaque) {
    const QString nota = textoNota();
    QPalette p = m_lbVar->palette();
    if (destaque) {
        p.setColor(QPalette::Window, QColor(0, 0, 128));
        p.setColor(QPalette::WindowText, palette().color(QPalette::Button));
        m_lbVar->setText(QStringLiteral(" ") + nota + QStringLiteral(" "));
    } else {
        p.setColor(QPalette::WindowText, Qt::black);
    }
    m_lbVar->setPalette(p);
    m_lbVar->setAutoFillBackground(destaque);
}

void TelaGradeRail::tickIndicaVar() {
    m_timerIndicaVar->stop();
    pintaNota(false);
}

void TelaGradeRail::tickTimer2() {
    ++m_contador;
    if (m_contador >= RefrescosTimer2)
        m_timer2->stop();
    try {
        m_modelo->carrega(consultaAtualizacao());
    } catch (const ErroVB&) {
        // The next tick tries again.
    }
    terminaEspera();
    if (!m_modelo->texto(0, QStringLiteral("Leitura")).isEmpty())
        m_timer2->stop();
}

void TelaGradeRail::escolheOrdem(Opcao opcao) {
    if (!podeLer() || !m_modelo->temConsulta()) {
        // The list keeps its order, and so does the option that names it.
        if (m_opcaoMarcada)
            m_opcaoMarcada->setChecked(true);
        return;
    }
    m_opcaoMarcada = qobject_cast<QRadioButton*>(m_opcoes->checkedButton());
    try {
        m_modelo->carrega(consultaOrdem(opcao));
    } catch (const ErroVB&) {
    }
}

void TelaGradeRail::grava(int n, bool exclui) {
    if (!ocioso())
        return;
    protege([&] {
        const QList<qint64> ids = m_modelo->ids();
        if (!(exclui ? ExcluiGravacoes(n, ids) : GravaLeituras(n, ids)))
            return;
        m_gravacoesMudaram = true;
        m_modelo->atualiza();
    });
}

void TelaGradeRail::escolheDecimais(bool volt, const QString& texto) {
    const auto n = volt ? GravaDecimaisVolt(m_telaRail, texto) : GravaDecimaisAmp(m_telaRail, texto);
    if (!n)
        return;
    (volt ? m_decimais.volt : m_decimais.amp) = *n;
    if (podeLer())
        PrePesquisa();
}

void TelaGradeRail::exporta(bool comoPdf) {
    if (!m_leituraFeita) {
        Mensagem(QStringLiteral("PRIMEIRO_LEITURA"));
        return;
    }
    protege([this, comoPdf] {
        const auto nome = dialogos().entrada(Traduz(QStringLiteral("Relatório")) + QStringLiteral(" - PDF"),
                                             Traduz(QStringLiteral("DIGITE SEU NOME")), LeNome());
        if (nome) {
            GravaNome(*nome);
            EntregaRelatorio(PreparaRelatorio(tipo(), m_modelo->ids(), modelo(), *nome, contexto().numeroModelo()),
                             comoPdf);
        }
    });
    m_grade->setFocus();
}

} // namespace tarsel
