#include "console/Master.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "console/Comparador.h"
#include "console/RegrasConsole.h"
#include "console/fmHelp.h"
#include "console/xCores.h"
#include "link/Enlace.h"
#include "link/RegistroSessao.h"
#include "link/Resposta.h"
#include "store/Banco.h"
#include "store/Configuracao.h"
#include "tela/AbreLink.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int Largura = 18540; // twips
constexpr int Altura = 8940;
constexpr int PrincipalAlto = 11000;
// Where the comparator pane starts in the design, and the gap the console pane leaves before it.
constexpr int BordaComparador = 9360;
constexpr int Folga = 220;
constexpr int Margem = 8; // px

// The views show line breaks without their CRs; the texts keep them.
QString paraVista(QString texto) {
    texto.remove(QLatin1Char('\r'));
    return texto;
}

QString daVista(const QPlainTextEdit* vista) {
    QString t = vista->toPlainText();
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return t;
}

void negrito(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}

int idiomaAtual() {
    const int i = globais().IdiomaAtual;
    return i >= 1 && i <= 3 ? i : 1;
}

} // namespace

Master::Master(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::Master, Codigo)
    , m_cores(CoresPadraoConsole()) {
    montaTela();
    aplicaTextos();
    // The design colours, until the stored ones are applied.
    for (int i = 0; i < 4; ++i)
        aplicaCor(AlvoCor(i), m_cores[size_t(i)]);
    // "Run" waits for the line: opened while another window's command runs, it comes back when the line
    // is idle again; its own command brings it back at the delivery.
    connect(&enlace(), &Enlace::statusMudou, this, [this] {
        if (ocioso() && !emCurso() && !aguardando())
            m_btSend->setEnabled(true);
    });
    protege([this] {
        m_btSend->setEnabled(ocioso());
        CarregaListaComandos();
        m_hScroll1->setMaximum(BordaComparador / 8);
        m_hScroll1->setValue(m_hScroll1->maximum());
        moveDivisao(m_hScroll1->value());
        defineComando(QString());
        m_alterado = false;
        escreveDispositivo();
        mostraPaineisIdioma();
        BuscaCores();
    });
}

Master::~Master() {
    // What the technician saved here must survive the next installation of the reference data.
    if (m_alterado)
        CopiaBancoUsuario();
}

QPushButton* Master::botao(const QString& nome) const {
    return m_botoes.value(nome);
}

void Master::montaTela() {
    resize(Twips(Largura), Twips(Altura));
    const QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto novoBotao = [this](const QString& nome, const QString& texto = {}) {
        auto* b = new QPushButton(texto, this);
        b->setObjectName(nome);
        b->setAutoDefault(false);
        m_botoes.insert(nome, b);
        return b;
    };
    auto vista = [this, &fixa](const QString& nome) {
        auto* t = new QPlainTextEdit(this);
        t->setObjectName(nome);
        t->setFont(fixa);
        t->setLineWrapMode(QPlainTextEdit::NoWrap);
        return t;
    };

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(Margem, 6, Margem, 6);
    v->setSpacing(4);

    // The command line.
    auto* topo = new QHBoxLayout;
    topo->setSpacing(4);
    m_txtComandos = new QComboBox(this);
    m_txtComandos->setObjectName(QStringLiteral("txtComandos"));
    m_txtComandos->setEditable(true);
    m_txtComandos->setInsertPolicy(QComboBox::NoInsert);
    m_txtComandos->setMaxVisibleItems(25);
    m_txtComandos->setFont(fixa);
    m_txtComandos->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_txtComandos->setMinimumContentsLength(30);
    // A command is sent as typed: leaving the field must not swap it for a list entry in other letters.
    m_txtComandos->completer()->setCaseSensitivity(Qt::CaseSensitive);
    connect(m_txtComandos, &QComboBox::editTextChanged, this, [this] { CarregaDadosSalvos(); });
    connect(m_txtComandos->lineEdit(), &QLineEdit::returnPressed, this, &Master::ExecutaComandoConsole);
    topo->addWidget(m_txtComandos, 1);
    m_btSend = novoBotao(QStringLiteral("btSend"));
    m_btSend->setMinimumWidth(Twips(1300));
    negrito(m_btSend);
    connect(m_btSend, &QPushButton::clicked, this, &Master::ExecutaComandoConsole);
    topo->addWidget(m_btSend);
    m_ckLimpar = new QCheckBox(this);
    m_ckLimpar->setObjectName(QStringLiteral("ckLimpar"));
    m_ckLimpar->setChecked(true);
    topo->addWidget(m_ckLimpar);
    auto* btNovo = novoBotao(QStringLiteral("btNovo"), QStringLiteral("+"));
    auto* btApagar = novoBotao(QStringLiteral("btApagar"), QStringLiteral("\u2212"));
    auto* btRecent = novoBotao(QStringLiteral("btRecent"));
    btRecent->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    for (QPushButton* b : {btNovo, btApagar, btRecent}) {
        b->setFixedWidth(Twips(480));
        topo->addWidget(b);
    }
    connect(btNovo, &QPushButton::clicked, this, &Master::novoComando);
    connect(btApagar, &QPushButton::clicked, this, &Master::apagaComando);
    connect(btRecent, &QPushButton::clicked, this, [this] {
        if (m_frameHistorico->isVisible())
            fechaHistorico();
        else
            mostraHistorico();
    });
    btRecent->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(btRecent, &QWidget::customContextMenuRequested, this, &Master::alternaHelp);
    topo->addSpacing(10);
    auto* btHelp = novoBotao(QStringLiteral("btHelp"));
    auto* btHelpPdf = novoBotao(QStringLiteral("btHelpPdf"));
    auto* btCores = novoBotao(QStringLiteral("btCores"));
    connect(btHelp, &QPushButton::clicked, this, &Master::abreHelp);
    connect(btHelpPdf, &QPushButton::clicked, this, &Master::abreHelpPdf);
    connect(btCores, &QPushButton::clicked, this, &Master::abreCores);
    for (QPushButton* b : {btHelp, btHelpPdf, btCores})
        topo->addWidget(b);
    v->addLayout(topo);

    // The two panes: the answers on the left, the saved answer on the right.
    auto* paineis = new QHBoxLayout;
    paineis->setSpacing(Twips(Folga) - 2);
    m_ladoConsole = new QWidget(this);
    auto* esquerda = new QVBoxLayout(m_ladoConsole);
    esquerda->setContentsMargins(0, 0, 0, 0);
    esquerda->setSpacing(2);
    m_lbConsole = new QLabel(this);
    m_lbConsole->setObjectName(QStringLiteral("lbConsole"));
    negrito(m_lbConsole);
    m_txtConsole = vista(QStringLiteral("txtConsole"));
    connect(m_txtConsole, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_escrevendo)
            m_consoleEditado = true;
    });
    auto* cabecaEsquerda = new QHBoxLayout;
    cabecaEsquerda->addWidget(m_lbConsole, 1);
    esquerda->addLayout(cabecaEsquerda);
    esquerda->addWidget(m_txtConsole, 1);
    paineis->addWidget(m_ladoConsole);

    auto* direita = new QVBoxLayout;
    direita->setSpacing(2);
    auto* cabecaDireita = new QHBoxLayout;
    m_lbComparador = new QLabel(this);
    m_lbComparador->setObjectName(QStringLiteral("lbComparador"));
    negrito(m_lbComparador);
    m_lbDispositivo = new QLabel(this);
    m_lbDispositivo->setObjectName(QStringLiteral("lbDispositivo"));
    m_lbAutoComparador = new QFrame(this);
    m_lbAutoComparador->setObjectName(QStringLiteral("lbAutoComparador"));
    m_lbAutoComparador->setFrameShape(QFrame::Box);
    m_lbAutoComparador->setAutoFillBackground(true);
    auto* marca = new QHBoxLayout(m_lbAutoComparador);
    marca->setContentsMargins(6, 1, 6, 1);
    m_lbAutoComparadorX = new QLabel(m_lbAutoComparador);
    m_lbAutoComparadorX->setObjectName(QStringLiteral("lbAutoComparadorX"));
    negrito(m_lbAutoComparadorX);
    marca->addWidget(m_lbAutoComparadorX);
    m_lbAutoComparador->hide();
    cabecaDireita->addWidget(m_lbComparador);
    cabecaDireita->addSpacing(12);
    cabecaDireita->addWidget(m_lbDispositivo, 1);
    cabecaDireita->addWidget(m_lbAutoComparador);
    direita->addLayout(cabecaDireita);
    m_txtComparador = vista(QStringLiteral("txtComparador"));
    connect(m_txtComparador, &QPlainTextEdit::textChanged, this, &Master::comparadorEditado);
    direita->addWidget(m_txtComparador, 1);
    paineis->addLayout(direita, 1);
    v->addLayout(paineis, 1);

    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hScroll1->setMinimum(Folga / 8 + 1);
    connect(m_hScroll1, &QScrollBar::valueChanged, this, &Master::moveDivisao);
    v->addWidget(m_hScroll1);

    // The notes on the command and on the saved answer, in the current language.
    auto* notas = new QHBoxLayout;
    notas->setSpacing(Twips(Folga) - 2);
    auto* notasComando = new QVBoxLayout;
    notasComando->setSpacing(2);
    m_lbInfoComandos = new QLabel(this);
    m_lbInfoComandos->setObjectName(QStringLiteral("lbInfoComandos"));
    notasComando->addWidget(m_lbInfoComandos);
    auto* notasDados = new QVBoxLayout;
    notasDados->setSpacing(2);
    m_lbInfoDados = new QLabel(this);
    m_lbInfoDados->setObjectName(QStringLiteral("lbInfoDados"));
    notasDados->addWidget(m_lbInfoDados);
    for (int i = 0; i < 3; ++i) {
        const QString sufixo = i == 0 ? QString() : QString::number(i + 1);
        auto* c = new QPlainTextEdit(this);
        c->setObjectName(QStringLiteral("txtInfoComandos") + sufixo);
        auto* d = new QPlainTextEdit(this);
        d->setObjectName(QStringLiteral("txtInfoDados") + sufixo);
        for (QPlainTextEdit* t : {c, d})
            t->setFixedHeight(Twips(1100));
        notasComando->addWidget(c);
        notasDados->addWidget(d);
        m_txtInfoComandos[size_t(i)] = c;
        m_txtInfoDados[size_t(i)] = d;
    }
    auto* notasEsquerda = new QWidget(this);
    notasEsquerda->setLayout(notasComando);
    notasComando->setContentsMargins(0, 0, 0, 0);
    notas->addWidget(notasEsquerda);
    notas->addLayout(notasDados, 1);
    v->addLayout(notas);
    m_ladoConsole->installEventFilter(this);
    m_ladoNotas = notasEsquerda;

    // The buttons of each side.
    auto* baixo = new QHBoxLayout;
    baixo->setSpacing(4);
    auto* btLimpar = novoBotao(QStringLiteral("btLimpar"));
    auto* btReiniciar = novoBotao(QStringLiteral("btReiniciar"));
    auto* btDesligar = novoBotao(QStringLiteral("btDesligar"));
    connect(btLimpar, &QPushButton::clicked, this, &Master::limpaConsole);
    connect(btReiniciar, &QPushButton::clicked, this, [this] { reiniciaOuDesliga(false); });
    connect(btDesligar, &QPushButton::clicked, this, [this] { reiniciaOuDesliga(true); });
    for (QPushButton* b : {btLimpar, btReiniciar, btDesligar})
        baixo->addWidget(b);
    montaBotaoRegistro(novoBotao(QStringLiteral("btRegistro")));
    baixo->addWidget(botao(QStringLiteral("btRegistro")));
    m_lbVar = new QLabel(this);
    m_lbVar->setObjectName(QStringLiteral("lbVar"));
    m_lbVar->setWordWrap(true);
    QFont pequena = m_lbVar->font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.9);
    m_lbVar->setFont(pequena);
    baixo->addWidget(m_lbVar, 1);
    auto* btSalvar = novoBotao(QStringLiteral("btSalvar"));
    auto* btSalvarAtualizacoes = novoBotao(QStringLiteral("btSalvarAtualizacoes"));
    auto* btExcluir = novoBotao(QStringLiteral("btExcluir"));
    connect(btSalvar, &QPushButton::clicked, this, &Master::CopiaParaComparador);
    connect(btSalvarAtualizacoes, &QPushButton::clicked, this, &Master::SalvaAlteracoes);
    connect(btExcluir, &QPushButton::clicked, this, &Master::ExcluiDadosSalvos);
    for (QPushButton* b : {btSalvar, btSalvarAtualizacoes, btExcluir})
        baixo->addWidget(b);
    // Maintenance of the reference data: hidden until Ctrl+Shift+M.
    auto* rm = novoBotao(QStringLiteral("Command1"), QStringLiteral("RM"));
    auto* add = novoBotao(QStringLiteral("Command2"), QStringLiteral("Add"));
    auto* aj = novoBotao(QStringLiteral("Command3"), QStringLiteral("AJ"));
    connect(rm, &QPushButton::clicked, this, &Master::MascaraComparador);
    connect(add, &QPushButton::clicked, this, &Master::AdicionaMascara);
    connect(aj, &QPushButton::clicked, this, &Master::abreEditor);
    for (QPushButton* b : {rm, add, aj}) {
        b->hide();
        baixo->addWidget(b);
    }
    v->addLayout(baixo);
    m_atalhoManutencao = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), this);
    m_atalhoManutencao->setContext(Qt::WidgetWithChildrenShortcut);
    connect(m_atalhoManutencao, &QShortcut::activated, this, &Master::alternaManutencao);

    // The history panel lies over the right side when shown.
    m_frameHistorico = new QFrame(this);
    m_frameHistorico->setObjectName(QStringLiteral("FrameHistorico"));
    m_frameHistorico->setFrameShape(QFrame::StyledPanel);
    m_frameHistorico->setAutoFillBackground(true);
    m_lbHistorico = new QLabel(m_frameHistorico);
    m_lbHistorico->setObjectName(QStringLiteral("lbHistorico"));
    negrito(m_lbHistorico);
    m_lbHelp = new QLabel(m_frameHistorico);
    m_lbHelp->setObjectName(QStringLiteral("lbHelp"));
    m_lbHelp->setCursor(Qt::PointingHandCursor);
    m_lbHelp->setStyleSheet(QStringLiteral("color: palette(link); text-decoration: underline;"));
    negrito(m_lbHelp);
    m_lbHelp->installEventFilter(this);
    m_listCmd = new QListWidget(m_frameHistorico);
    m_listCmd->setObjectName(QStringLiteral("ListCmd"));
    m_listCmd->setFont(fixa);
    connect(m_listCmd, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { defineComando(item->text()); });
    m_txtHelpAux = vista(QStringLiteral("txtHelpAux"));
    m_txtHelpAux->setParent(m_frameHistorico);
    m_btFecharHistorico = new QPushButton(m_frameHistorico);
    m_btFecharHistorico->setObjectName(QStringLiteral("btFechar"));
    connect(m_btFecharHistorico, &QPushButton::clicked, this, &Master::fechaHistorico);
    m_frameHistorico->hide();
    // The captions the panel covers keep their place while hidden: the panes must not move under it.
    for (QWidget* w : {static_cast<QWidget*>(m_lbComparador), static_cast<QWidget*>(m_lbDispositivo),
                       static_cast<QWidget*>(m_lbInfoDados), static_cast<QWidget*>(m_lbAutoComparador)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
}

void Master::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Modo Comandos e Comparador")) + QStringLiteral(" - Voltrace Tarsel"));
    m_txtComandos->setToolTip(Traduz(QStringLiteral("Digite ou seleciona na lista suspença o comando desejado")));
    m_btSend->setText(Traduz(QStringLiteral("Executar")));
    m_ckLimpar->setText(Traduz(QStringLiteral("Auto")));
    m_ckLimpar->setToolTip(Traduz(QStringLiteral("Limpar dados após comando")));
    const struct {
        const char* nome;
        const char* legenda;
        const char* dica;
    } textos[] = {
        {"btNovo", nullptr, "Adicionar Comando"},
        {"btApagar", nullptr, "Excluir Comando"},
        {"btRecent", nullptr, "Histórico de Comandos"},
        {"btLimpar", "Limpar", nullptr},
        {"btReiniciar", "Reiniciar Dispositivo", "Reiniciar Dispositivo"},
        {"btDesligar", "Desligar Dispositivo", "Desligar Dispositivo"},
        {"btRegistro", "Registro", "Registro da sessão: cada comando e resposta, com data e hora"},
        {"btHelp", "Help", "Visualizar todos os comandos"},
        {"btHelpPdf", "Help PDF", nullptr},
        {"btCores", "Cores", nullptr},
        {"btSalvar", "Copiar Dados", "Copiar Dados para o lado Comparador"},
        {"btSalvarAtualizacoes", "Salvar", "Salvar Alterações"},
        {"btExcluir", "Excluir", "Excluir Dados Comparador"},
    };
    for (const auto& t : textos) {
        QPushButton* b = botao(QString::fromLatin1(t.nome));
        if (t.legenda)
            b->setText(Traduz(QString::fromUtf8(t.legenda)));
        if (t.dica)
            b->setToolTip(Traduz(QString::fromUtf8(t.dica)));
    }
    botao(QStringLiteral("btHelpPdf"))
        ->setToolTip(Traduz(QStringLiteral("Visualizar todos os comandos")) + QStringLiteral(" PDF"));
    m_lbConsole->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lbComparador->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbAutoComparadorX->setText(Traduz(QStringLiteral("Auto Comparador OK")));
    m_lbAutoComparador->setToolTip(Traduz(QStringLiteral("Auto Comparador TOOL")));
    m_lbAutoComparadorX->setToolTip(m_lbAutoComparador->toolTip());
    m_lbInfoComandos->setText(Traduz(QStringLiteral("Informações")) + QLatin1Char(':'));
    m_lbInfoDados->setText(Traduz(QStringLiteral("Informações sobre os dados:")));
    m_lbVar->setText(Traduz(QStringLiteral("VAR")));
    m_lbHistorico->setText(Traduz(QStringLiteral("Histórico de Comandos")));
    m_lbHelp->setText(Traduz(QStringLiteral("HELP")));
    m_btFecharHistorico->setText(Traduz(QStringLiteral("Fechar")));
    m_acaoAbrirRegistros->setText(Traduz(QStringLiteral("Abrir pasta de registros")));
    m_acaoGravarRegistro->setText(Traduz(QStringLiteral("Gravar registro da sessão")));
}

void Master::montaBotaoRegistro(QPushButton* bt) {
    auto* menu = new QMenu(bt);
    menu->setObjectName(QStringLiteral("mnRegistro"));
    m_acaoAbrirRegistros = menu->addAction(QString());
    m_acaoAbrirRegistros->setObjectName(QStringLiteral("acAbrirRegistros"));
    m_acaoGravarRegistro = menu->addAction(QString());
    m_acaoGravarRegistro->setObjectName(QStringLiteral("acGravarRegistro"));
    m_acaoGravarRegistro->setCheckable(true);
    RegistroSessao* registro = contexto().registroSessao();
    bt->setEnabled(registro != nullptr);
    if (registro)
        m_acaoGravarRegistro->setChecked(registro->ativo());
    bt->setMenu(menu);
    connect(m_acaoAbrirRegistros, &QAction::triggered, this, &Master::abrePastaRegistros);
    connect(m_acaoGravarRegistro, &QAction::toggled, this, &Master::gravaRegistro);
}

void Master::abrePastaRegistros() {
    RegistroSessao* registro = contexto().registroSessao();
    if (!registro)
        return;
    // Opened even before the first entry: an empty folder says more than a refusal.
    QDir().mkpath(registro->pasta());
    AbreLink(registro->pasta());
}

void Master::gravaRegistro(bool ativo) {
    RegistroSessao* registro = contexto().registroSessao();
    if (!registro || registro->ativo() == ativo)
        return;
    registro->defineAtivo(ativo);
    if (!GravaRegistroAtivo(ativo))
        Mensagem(QStringLiteral("MSG_REGISTRO_NAO_GRAVADO"));
}

void Master::mostraPaineisIdioma() {
    const int idioma = idiomaAtual();
    for (int i = 0; i < 3; ++i) {
        m_txtInfoComandos[size_t(i)]->setVisible(i + 1 == idioma);
        m_txtInfoDados[size_t(i)]->setVisible(i + 1 == idioma);
    }
}

void Master::posiciona(QWidget* janela, const QSize& area) {
    int altura = Twips(Altura);
    if (contexto().alturaPrincipal() > Twips(PrincipalAlto))
        altura = contexto().alturaPrincipal() - Twips(2300);
    // Never taller than the screens' area: the lower buttons must stay reachable.
    const QSize moldura = janela->size() - size();
    altura = qMin(altura, area.height() - moldura.height());
    janela->resize(moldura + QSize(Twips(Largura), altura));
    Tela::posiciona(janela, area);
}

void Master::moveDivisao(int valor) {
    // The comparator starts at value × 8 twips; the console pane ends the gap before it.
    const int largura = qMax(Twips(600), Twips(valor * 8 - Folga) - Margem);
    m_ladoConsole->setFixedWidth(largura);
    if (m_ladoNotas)
        m_ladoNotas->setFixedWidth(largura);
    posicionaHistorico();
}

QString Master::comando() const {
    return m_txtComandos->currentText();
}

void Master::defineComando(const QString& texto) {
    if (m_txtComandos->currentText() == texto) {
        // The same text still re-selects its rows, as a change would.
        CarregaDadosSalvos();
        return;
    }
    m_txtComandos->setEditText(texto);
}

QStringList Master::historico() const {
    QStringList r;
    for (int i = 0; i < m_listCmd->count(); ++i)
        r << m_listCmd->item(i)->text();
    return r;
}

QString Master::textoConsole() const {
    return m_consoleEditado ? daVista(m_txtConsole) : m_textoConsole;
}

QString Master::textoComparador() const {
    return m_textoComparador;
}

void Master::defineConsole(const QString& texto) {
    m_textoConsole = texto;
    m_consoleEditado = false;
    ++m_escrevendo;
    m_txtConsole->setPlainText(paraVista(texto));
    --m_escrevendo;
}

void Master::defineComparador(const QString& texto) {
    // The echoed command never shows in the comparator.
    m_textoComparador = Resposta::semComando(texto, comando());
    ++m_escrevendo;
    m_txtComparador->setPlainText(paraVista(m_textoComparador));
    --m_escrevendo;
}

void Master::comparadorEditado() {
    if (m_escrevendo)
        return;
    const QString texto = daVista(m_txtComparador);
    const QString semComando = Resposta::semComando(texto, comando());
    if (semComando != texto) {
        defineComparador(semComando);
        return;
    }
    m_textoComparador = texto;
}

void Master::escreveDispositivo() {
    m_lbDispositivo->setText(Traduz(QStringLiteral("Modelo")) + QStringLiteral(": ") + familia() +
                             QStringLiteral("  ") + contexto().numeroModelo());
}

void Master::CarregaListaComandos() {
    QStringList comandos;
    protege([&comandos] {
        Banco b({}, Banco::Modo::SomenteLeitura);
        comandos = DadosSalvos::Comandos(b);
    });
    // The list changes under the text: the text stays as typed.
    const QString texto = comando();
    const QSignalBlocker bloqueio(m_txtComandos);
    m_txtComandos->clear();
    m_txtComandos->addItems(comandos);
    m_txtComandos->setEditText(texto);
}

void Master::CarregaDadosSalvos() {
    std::optional<DadosSalvos::LinhaDados> dados;
    std::optional<DadosSalvos::LinhaComando> linhaComando;
    const QString c = comando();
    protege([&] {
        Banco b({}, Banco::Modo::SomenteLeitura);
        dados = DadosSalvos::Le(b, familia(), c);
        linhaComando = DadosSalvos::LeComando(b, c);
    });
    mostraLinhas(dados, linhaComando);
    escreveDispositivo();
    m_lbAutoComparador->hide();
}

void Master::mostraLinhas(const std::optional<DadosSalvos::LinhaDados>& dados,
                          const std::optional<DadosSalvos::LinhaComando>& linhaComando) {
    m_idDados = dados ? std::optional<qint64>(dados->id) : std::nullopt;
    m_idComando = linhaComando ? std::optional<qint64>(linhaComando->id) : std::nullopt;
    defineComparador(dados ? dados->dados : QString());
    for (int i = 0; i < 3; ++i) {
        m_txtInfoDados[size_t(i)]->setPlainText(dados ? dados->notas[size_t(i)] : QString());
        m_txtInfoComandos[size_t(i)]->setPlainText(linhaComando ? linhaComando->notas[size_t(i)] : QString());
    }
}

DadosSalvos::Notas Master::notasDados() const {
    return {m_txtInfoDados[0]->toPlainText(), m_txtInfoDados[1]->toPlainText(), m_txtInfoDados[2]->toPlainText()};
}

DadosSalvos::Notas Master::notasComando() const {
    return {m_txtInfoComandos[0]->toPlainText(), m_txtInfoComandos[1]->toPlainText(),
            m_txtInfoComandos[2]->toPlainText()};
}

void Master::ExecutaComandoConsole() {
    const QString c = comando();
    if (!ocioso() || c.isEmpty())
        return;
    m_btSend->setEnabled(false);
    m_listCmd->insertItem(0, c);
    if (!envia(c, RegrasConsole::ComEspelho(c)))
        return;
    if (RegrasConsole::TesteBotoes(c)) {
        // The phone shows the button presses itself and runs until it is told to stop.
        dialogos().mensagem(Dialogos::Icone::Informacao, Traduz(QStringLiteral("Teste de Funcionamento de Botões")),
                            Traduz(QStringLiteral("Resultado do teste estão sendo exibidos na tela do dispositio")) +
                                QStringLiteral("\r\n") + Traduz(QStringLiteral("Clique em OK para finalizar")));
        enlace().defineComando(RegrasConsole::FimTesteBotoes);
        enlace().EnviaComando();
    }
    CarregaDadosSalvos();
}

void Master::espelha(const Resposta& atual, const QString& acrescimo, bool substituido) {
    // Only the new text reaches the view: a long answer costs its chunks, not its length per chunk.
    ++m_escrevendo;
    if (substituido) {
        if (!m_vivo) {
            m_vivo = true;
            m_consoleEditado = false;
            QTextDocument* doc = m_txtConsole->document();
            if (m_ckLimpar->isChecked()) {
                m_txtConsole->clear();
                m_fimVivo = QTextCursor(doc);
            } else {
                // The answer grows at the top, above the earlier ones, which stay below a line break.
                QTextCursor c(doc);
                c.movePosition(QTextCursor::Start);
                if (!doc->isEmpty()) {
                    c.insertText(QStringLiteral("\n"));
                    c.movePosition(QTextCursor::Start);
                }
                m_fimVivo = c;
            }
        } else {
            QTextCursor c(m_txtConsole->document());
            c.setPosition(0);
            c.setPosition(m_fimVivo.position(), QTextCursor::KeepAnchor);
            c.removeSelectedText();
        }
        m_fimVivo.insertText(paraVista(atual.console));
    } else {
        m_fimVivo.insertText(paraVista(acrescimo));
    }
    --m_escrevendo;
}

void Master::recebe(const Resposta& r) {
    RecebeResposta(r);
}

void Master::RecebeResposta(const Resposta& r) {
    const bool limpar = m_ckLimpar->isChecked();
    const QString anterior = textoConsole();
    m_textoConsole = RegrasConsole::TextoAposResposta(limpar, r.R, anterior);
    m_consoleEditado = false;
    ++m_escrevendo;
    if (m_vivo) {
        // The live text (with its command) gives way to the answer, once.
        QTextCursor c(m_txtConsole->document());
        c.setPosition(0);
        c.setPosition(m_fimVivo.position(), QTextCursor::KeepAnchor);
        const bool separado = !limpar && c.selectionEnd() < m_txtConsole->document()->characterCount() - 1;
        c.insertText(paraVista(r.R) + (!limpar && !separado ? QStringLiteral("\n") : QString()));
        m_vivo = false;
    } else if (limpar) {
        m_txtConsole->setPlainText(paraVista(m_textoConsole));
    } else {
        QTextCursor c(m_txtConsole->document());
        c.movePosition(QTextCursor::Start);
        c.insertText(paraVista(r.R) + QStringLiteral("\n"));
    }
    --m_escrevendo;
    m_fimVivo = QTextCursor();
    terminaEspera();
    AutoComparador();
    if (m_historicoAberto && RegrasConsole::ComandoHelp(r.comando))
        m_txtHelpAux->setPlainText(paraVista(r.console));
}

void Master::aoIniciarEspera() {
    m_btSend->setEnabled(false);
}

void Master::aoTerminarEspera() {
    // Back when the line is still there; after a hang-up the next connection enables it.
    m_btSend->setEnabled(enlace().portaAberta());
}

void Master::aoPerderResposta() {
    // What arrived of an answer that was never delivered stays in sight, and is the console text now.
    if (m_vivo) {
        m_vivo = false;
        m_consoleEditado = true;
        m_fimVivo = QTextCursor();
    }
    terminaEspera();
}

void Master::aoConectar() {
    m_btSend->setEnabled(true);
}

void Master::aoMudarModelo(const QString&) {
    CarregaDadosSalvos();
}

void Master::aoBuscarDadosGravados(const QString&) {
    CarregaDadosSalvos();
}

void Master::AutoComparador() {
    QStringList mascaras;
    try {
        Banco b({}, Banco::Modo::SomenteLeitura);
        mascaras = LeMascaras(b);
    } catch (const ErroVB&) {
        // Without the masks the comparison is only stricter.
    }
    m_lbAutoComparador->setVisible(AutoComparadorConfere(textoConsole(), textoComparador(), mascaras));
}

void Master::CopiaParaComparador() {
    const QString console = textoConsole();
    if (console.isEmpty() || !m_btSend->isEnabled())
        return;
    try {
        Banco b;
        if (!m_textoComparador.isEmpty()) {
            if (dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(QStringLiteral("Dados")),
                                    Traduz(QStringLiteral("Deseja substituir os dados gravados do lado comparador?")),
                                    Dialogos::Botoes::SimNao) == Dialogos::Resposta::Nao)
                return;
            // Stored first, shown after: a write that fails leaves the pane with the answer that is still
            // saved, not with one that only looks saved.
            const QString texto = Resposta::semComando(console, comando());
            // A pane typed by hand has no row yet: the copy makes one.
            if (m_idDados)
                DadosSalvos::GravaDados(b, *m_idDados, texto);
            else
                m_idDados = DadosSalvos::Insere(b, familia(), comando(), texto);
            m_alterado = true;
            defineComparador(console);
        } else {
            // A row whose answer is empty is the current row: it gets the answer, no second row is made.
            if (m_idDados)
                DadosSalvos::GravaDados(b, *m_idDados, console);
            else
                m_idDados = DadosSalvos::Insere(b, familia(), comando(), console);
            m_alterado = true;
            defineComparador(console);
        }
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao(), QStringLiteral("ERRO AO GRAVAR Nº "));
    }
}

void Master::SalvaAlteracoes() {
    if (!m_btSend->isEnabled())
        return;
    if (!manutencao() && dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(QStringLiteral("Salvar")),
                                             Traduz(QStringLiteral("Deseja salvar as alterações?")),
                                             Dialogos::Botoes::SimNao) == Dialogos::Resposta::Nao)
        return;
    try {
        Banco b;
        Banco::Transacao t(b);
        if (m_idDados)
            DadosSalvos::Grava(b, *m_idDados, m_textoComparador, notasDados());
        if (m_idComando)
            DadosSalvos::GravaNotasComando(b, *m_idComando, notasComando());
        t.fim();
    } catch (const ErroVB&) {
        // Rolled back: the saved row is as it was and the panes keep the edits, so the technician can
        // save again once the cause is gone.
        Mensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"));
        return;
    }
    m_alterado = true;
}

void Master::ExcluiDadosSalvos() {
    if (!m_btSend->isEnabled() || m_textoComparador.isEmpty())
        return;
    if (dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(QStringLiteral("Excluir")),
                            Traduz(QStringLiteral("Deseja excluir os dados gravados?")),
                            Dialogos::Botoes::SimNao) == Dialogos::Resposta::Nao)
        return;
    try {
        Banco b;
        if (m_idDados)
            DadosSalvos::Exclui(b, *m_idDados);
    } catch (const ErroVB&) {
        Mensagem(QStringLiteral("MSG_BANCO_NAO_GRAVADO"));
        return;
    }
    CarregaDadosSalvos();
    m_alterado = true;
}

void Master::MascaraComparador() {
    QStringList mascaras;
    try {
        Banco b({}, Banco::Modo::SomenteLeitura);
        mascaras = LeMascaras(b);
    } catch (const ErroVB&) {
        return;
    }
    defineComparador(AplicaMascaras(m_textoComparador, mascaras, true));
    SalvaAlteracoes();
}

void Master::AdicionaMascara() {
    const auto texto = dialogos().entrada(QStringLiteral("m"), QStringLiteral("Digite a m."));
    if (!texto || texto->isEmpty())
        return;
    try {
        Banco b;
        tarsel::AdicionaMascara(b, *texto);
    } catch (const ErroVB& e) {
        dialogos().mensagem(Dialogos::Icone::Informacao, QStringLiteral("Erro"), e.descricao());
    }
}

bool Master::manutencao() const {
    return !botao(QStringLiteral("Command2"))->isHidden();
}

void Master::alternaManutencao() {
    const bool mostrar = !manutencao();
    for (const char* nome : {"Command1", "Command2", "Command3"})
        botao(QString::fromLatin1(nome))->setVisible(mostrar);
}

void Master::abreEditor() {
    contexto().abreTela(NomeTela::EditorDados);
}

void Master::limpaConsole() {
    defineConsole(QString());
    m_txtComandos->setFocus();
}

void Master::enviaDireto(const QString& c) {
    // No window takes this answer: the phone restarts or goes off.
    auto& g = globais();
    g.TelaAtiva = QStringLiteral("0");
    g.EspelhoAtivo = false;
    enlace().defineComando(c);
    enlace().EnviaComando();
}

void Master::reiniciaOuDesliga(bool desliga) {
    const QString chave = desliga ? QStringLiteral("Desligar Dispositivo") : QStringLiteral("Reiniciar Dispositivo");
    if (dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(chave), Traduz(chave), Dialogos::Botoes::SimNao) ==
        Dialogos::Resposta::Nao)
        return;
    enviaDireto(desliga ? QStringLiteral("Shutdown") : QStringLiteral("Reset"));
}

void Master::novoComando() {
    const auto resposta = dialogos().entrada(Traduz(QStringLiteral("Novo Comando")),
                                             Traduz(QStringLiteral("Digite o comando a ser gravado:")), comando());
    if (!resposta || !RegrasConsole::NomeComandoAceito(*resposta))
        return;
    protege([&resposta] {
        Banco b;
        DadosSalvos::InsereComando(b, *resposta);
    });
    CarregaListaComandos();
    defineComando(*resposta);
}

void Master::apagaComando() {
    const QString c = comando();
    if (c.isEmpty())
        return;
    if (dialogos().mensagem(Dialogos::Icone::Pergunta, Traduz(QStringLiteral("Excluir Comando")),
                            Traduz(QStringLiteral("Deseja excluir o comando ")) + QStringLiteral("  ") + c +
                                QLatin1Char('?'),
                            Dialogos::Botoes::SimNao) != Dialogos::Resposta::Sim)
        return;
    try {
        Banco b;
        DadosSalvos::ExcluiComando(b, c);
    } catch (const ErroVB&) {
    }
    CarregaListaComandos();
    CarregaDadosSalvos();
}

void Master::alternaHelp() {
    defineComando(RegrasConsole::AlternaHelp(comando()));
}

void Master::posicionaHistorico() {
    if (!m_frameHistorico || !m_txtHelpAux || !m_btFecharHistorico)
        return;
    const bool comAjuda = !m_txtHelpAux->isHidden();
    const auto g = RegrasConsole::Historico(m_txtConsole->height() * 15, comAjuda);
    const int larguraTotal = Twips(RegrasConsole::Historico(0, false).larguraLista);
    const int largura = larguraTotal + 16;
    const int x = qMax(0, width() - largura - Margem);
    m_frameHistorico->setGeometry(x, Twips(g.topo), largura, qMax(Twips(g.altura), 120));
    const int alturaLista = qMax(Twips(g.alturaLista), 60);
    const int topoLista = 26;
    m_lbHistorico->setGeometry(8, 4, largura / 2, 20);
    m_lbHelp->adjustSize();
    m_lbHelp->move(8 + Twips(g.larguraLista) - m_lbHelp->width(), 4);
    m_listCmd->setGeometry(8, topoLista, Twips(g.larguraLista), alturaLista);
    const int xAjuda = 8 + Twips(g.larguraLista) + 6;
    m_txtHelpAux->setGeometry(xAjuda, topoLista, qMax(0, larguraTotal - Twips(g.larguraLista) - 6), alturaLista);
    m_btFecharHistorico->adjustSize();
    m_btFecharHistorico->move(
        largura - m_btFecharHistorico->width() - 8,
        qMin(topoLista + alturaLista + 4, m_frameHistorico->height() - m_btFecharHistorico->height() - 3));
}

void Master::mostraHistorico() {
    m_historicoAberto = true;
    posicionaHistorico();
    m_frameHistorico->show();
    m_frameHistorico->raise();
    // The panel covers these.
    for (QWidget* w : {static_cast<QWidget*>(m_lbComparador), static_cast<QWidget*>(m_lbDispositivo),
                       static_cast<QWidget*>(m_lbInfoDados)})
        w->hide();
}

void Master::fechaHistorico() {
    m_frameHistorico->hide();
    for (QWidget* w : {static_cast<QWidget*>(m_lbComparador), static_cast<QWidget*>(m_lbDispositivo),
                       static_cast<QWidget*>(m_lbInfoDados)})
        w->show();
}

void Master::alternaAjudaHistorico() {
    m_txtHelpAux->setVisible(m_txtHelpAux->isHidden());
    posicionaHistorico();
    m_listCmd->setFocus();
}

void Master::abreHelp() {
    defineComando(QStringLiteral("Help"));
    QApplication::processEvents();
    auto* help = qobject_cast<fmHelp*>(contexto().abreTela(NomeTela::fmHelp));
    if (!help)
        return;
    if (m_help != help) {
        m_help = help;
        connect(help, &fmHelp::comandoEscolhido, this, &Master::defineComando, Qt::UniqueConnection);
    }
    help->defineTexto(m_textoComparador);
    // Beside the console, centred on the main window's height.
    QWidget* janela = help->parentWidget();
    QWidget* minha = parentWidget();
    if (janela && minha) {
        const QSize moldura = janela->size() - help->size();
        help->dimensiona();
        janela->resize(moldura + help->size());
        const int topo = contexto().alturaPrincipal() / 2 - Twips(1050) - janela->height() / 2 - Twips(330);
        janela->move(minha->x() + Twips(7500), qMax(0, topo));
    }
}

void Master::abreHelpPdf() {
    const QString arquivo = QDir(globais().PastaPrograma).filePath(RegrasConsole::DocumentoHelp(idiomaAtual()));
    if (!QFileInfo::exists(arquivo)) {
        dialogos().mensagem(Dialogos::Icone::Exclamacao, TituloPadrao,
                            Traduz(QStringLiteral("DocumentoNaoEncontrado")) + QStringLiteral("\r\n") +
                                QDir::toNativeSeparators(arquivo));
        return;
    }
    AbreLink(arquivo);
}

void Master::abreCores() {
    if (!m_janelaCores) {
        m_janelaCores = new xCores(*this, this);
        // Below the command line, over the comparator: the preview stays in sight.
        const QPoint canto = mapToGlobal(QPoint(width() - m_janelaCores->width() - Margem, Twips(900)));
        m_janelaCores->move(qMax(0, canto.x()), qMax(0, canto.y()));
    }
    m_janelaCores->show();
    m_janelaCores->raise();
    m_janelaCores->activateWindow();
}

NumeroCor Master::corAtual(AlvoCor alvo) const {
    return m_cores[size_t(alvo)];
}

void Master::aplicaCor(AlvoCor alvo, NumeroCor numero) {
    m_cores[size_t(alvo)] = numero;
    const QColor cor = CorVB(numero);
    auto pinta = [&cor](QWidget* w, QPalette::ColorRole papel) {
        QPalette p = w->palette();
        p.setColor(papel, cor);
        w->setPalette(p);
    };
    switch (alvo) {
    case AlvoCor::FundoConsole:
        pinta(m_txtConsole, QPalette::Base);
        break;
    case AlvoCor::TextoConsole:
        pinta(m_txtConsole, QPalette::Text);
        break;
    case AlvoCor::FundoComparador:
        pinta(m_txtComparador, QPalette::Base);
        pinta(m_lbAutoComparador, QPalette::Window);
        // The mark's text stays readable on any background.
        {
            QPalette p = m_lbAutoComparadorX->palette();
            p.setColor(QPalette::WindowText, cor.lightness() < 128 ? Qt::white : Qt::black);
            m_lbAutoComparadorX->setPalette(p);
        }
        break;
    case AlvoCor::TextoComparador:
        pinta(m_txtComparador, QPalette::Text);
        break;
    }
}

void Master::defineFundoAuto(const QColor& cor) {
    m_ckLimpar->setAutoFillBackground(true);
    QPalette p = m_ckLimpar->palette();
    p.setColor(QPalette::Window, cor);
    m_ckLimpar->setPalette(p);
}

void Master::BuscaCores() {
    CoresConsole cores;
    try {
        Banco b({}, Banco::Modo::SomenteLeitura);
        cores = LeCoresConsole(b);
    } catch (const ErroVB&) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (cores[size_t(i)])
            aplicaCor(AlvoCor(i), *cores[size_t(i)]);
    }
    if (cores[0] && contexto().alturaPrincipal() <= Twips(PrincipalAlto))
        defineFundoAuto(CorVB(*cores[0]));
}

bool Master::eventFilter(QObject* o, QEvent* e) {
    if (o == m_lbHelp && e->type() == QEvent::MouseButtonRelease) {
        alternaAjudaHistorico();
        return true;
    }
    if (o == m_ladoConsole && e->type() == QEvent::Resize)
        posicionaHistorico();
    return TelaComando::eventFilter(o, e);
}

void Master::resizeEvent(QResizeEvent* e) {
    TelaComando::resizeEvent(e);
    posicionaHistorico();
}

} // namespace tarsel
