#include "console/EditorDados.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "console/Comparador.h"
#include "store/Banco.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace tarsel {

namespace {

QPushButton* botao(const QString& texto, const QString& nome, QWidget* pai) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    return b;
}

QPlainTextEdit* painel(const QString& nome, QWidget* pai) {
    auto* p = new QPlainTextEdit(pai);
    p->setObjectName(nome);
    p->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    p->setLineWrapMode(QPlainTextEdit::NoWrap);
    return p;
}

} // namespace

EditorDados::EditorDados(ContextoTela& contexto)
    : Tela(contexto, NomeTela::EditorDados) {
    montaTela();
    setWindowTitle(TituloPadrao);
    try {
        Banco banco;
        m_txtComandos->addItems(EditorDadosRegras::Comandos(banco));
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
    }
    m_comboAparelhos->setCurrentText(EditorDadosRegras::ModeloInicial);
    m_txtComandos->setCurrentIndex(-1);
    m_txtComandos->setEditText(QString());
    // Any change or pick in either list reloads both panes.
    connect(m_comboAparelhos, &QComboBox::currentTextChanged, this, &EditorDados::Recarrega);
    connect(m_txtComandos, &QComboBox::currentTextChanged, this, &EditorDados::Recarrega);
    connect(m_comboAparelhos, qOverload<int>(&QComboBox::activated), this, &EditorDados::Recarrega);
    connect(m_txtComandos, qOverload<int>(&QComboBox::activated), this, &EditorDados::Recarrega);
    Recarrega();
}

EditorDados::~EditorDados() {
    // The lists are destroyed after this window's own members: the focus leaving an edited list then
    // "activates" it, and a reload must not run on a half-destroyed window.
    m_comboAparelhos->disconnect(this);
    m_txtComandos->disconnect(this);
}

void EditorDados::montaTela() {
    resize(1180, 660);
    auto* raiz = new QVBoxLayout(this);

    auto* topo = new QHBoxLayout;
    m_comboAparelhos = new QComboBox(this);
    m_comboAparelhos->setObjectName(QStringLiteral("ComboAparelhos"));
    m_comboAparelhos->setEditable(true);
    m_comboAparelhos->addItems(EditorDadosRegras::Modelos());
    m_comboAparelhos->setMinimumWidth(120);
    m_txtComandos = new QComboBox(this);
    m_txtComandos->setObjectName(QStringLiteral("txtComandos"));
    m_txtComandos->setEditable(true);
    m_txtComandos->setInsertPolicy(QComboBox::NoInsert);
    m_txtComandos->setMinimumWidth(420);
    m_command2 = botao(QStringLiteral("Add Marca"), QStringLiteral("Command2"), this);
    m_btAtualizar = botao(QStringLiteral("Salvar"), QStringLiteral("btAtualizar"), this);
    m_btAtualizar->setToolTip(Traduz(QStringLiteral("Salvar Alterações")));
    topo->addWidget(m_comboAparelhos);
    topo->addWidget(m_txtComandos, 1);
    topo->addWidget(m_command2);
    topo->addWidget(m_btAtualizar);
    raiz->addLayout(topo);

    auto* grade = new QGridLayout;
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_txtConsole = painel(QStringLiteral("txtConsole"), this);
    m_txtComparador = painel(QStringLiteral("txtComparador"), this);
    m_command4 = botao(QStringLiteral(">"), QStringLiteral("Command4"), this);
    m_command5 = botao(QStringLiteral("<"), QStringLiteral("Command5"), this);
    for (QPushButton* b : {m_command4, m_command5})
        b->setFixedWidth(36);
    auto* meio = new QVBoxLayout;
    meio->addStretch();
    meio->addWidget(m_command4);
    meio->addWidget(m_command5);
    meio->addStretch();
    m_command3 = botao(QStringLiteral("Tira Marca"), QStringLiteral("Command3"), this);
    m_command1 = botao(QStringLiteral("Tira Marca"), QStringLiteral("Command1"), this);
    grade->addWidget(m_label1, 0, 0);
    grade->addWidget(m_label2, 0, 2);
    grade->addWidget(m_txtConsole, 1, 0);
    grade->addLayout(meio, 1, 1);
    grade->addWidget(m_txtComparador, 1, 2);
    grade->addWidget(m_command3, 2, 0, Qt::AlignLeft);
    grade->addWidget(m_command1, 2, 2, Qt::AlignLeft);
    grade->setColumnStretch(0, 1);
    grade->setColumnStretch(2, 1);
    grade->setRowStretch(1, 1);
    raiz->addLayout(grade, 1);

    connect(m_command4, &QPushButton::clicked, this, &EditorDados::CopiaParaDireita);
    connect(m_command5, &QPushButton::clicked, this, &EditorDados::CopiaParaEsquerda);
    connect(m_command3, &QPushButton::clicked, this, [this] { TiraMarca(true); });
    connect(m_command1, &QPushButton::clicked, this, [this] { TiraMarca(false); });
    connect(m_command2, &QPushButton::clicked, this, &EditorDados::AdicionaMarca);
    connect(m_btAtualizar, &QPushButton::clicked, this, &EditorDados::Salvar);
}

void EditorDados::Recarrega() {
    const QString modelo = m_comboAparelhos->currentText();
    const QString comando = m_txtComandos->currentText();
    try {
        Banco banco({}, Banco::Modo::SomenteLeitura);
        m_esquerdo = EditorDadosRegras::Carrega(banco, modelo, comando);
        m_direito = EditorDadosRegras::Carrega(banco, EditorDadosRegras::ModeloPlus(modelo), comando);
    } catch (const ErroVB& e) {
        m_esquerdo = {};
        m_direito = {};
        dialogos().erro(e.numero(), e.descricao());
    }
    mostra();
}

void EditorDados::mostra() {
    m_txtConsole->setPlainText(EditorDadosRegras::TextoParaPainel(m_esquerdo.dados));
    m_txtComparador->setPlainText(EditorDadosRegras::TextoParaPainel(m_direito.dados));
    m_label1->setText(m_esquerdo.aparelho);
    m_label2->setText(m_direito.aparelho);
}

void EditorDados::lePaineis() {
    m_esquerdo.dados = EditorDadosRegras::TextoAGravar(m_esquerdo.dados, m_txtConsole->toPlainText());
    m_direito.dados = EditorDadosRegras::TextoAGravar(m_direito.dados, m_txtComparador->toPlainText());
}

void EditorDados::CopiaParaDireita() {
    lePaineis();
    m_direito.dados = m_esquerdo.dados;
    mostra();
}

void EditorDados::CopiaParaEsquerda() {
    lePaineis();
    m_esquerdo.dados = m_direito.dados;
    mostra();
}

void EditorDados::TiraMarca(bool esquerdo) {
    lePaineis();
    try {
        Banco banco({}, Banco::Modo::SomenteLeitura);
        const QStringList mascaras = LeMascaras(banco);
        EditorDadosRegras::Lado& lado = esquerdo ? m_esquerdo : m_direito;
        lado.dados = EditorDadosRegras::TiraMarca(lado.dados, mascaras);
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
        return;
    }
    mostra();
    Salvar();
}

void EditorDados::AdicionaMarca() {
    const std::optional<QString> mascara = dialogos().entrada(QStringLiteral("m"), QStringLiteral("Digite a m."));
    if (!mascara || mascara->isEmpty())
        return;
    try {
        Banco banco;
        AdicionaMascara(banco, *mascara);
    } catch (const ErroVB& e) {
        dialogos().mensagem(Dialogos::Icone::Informacao, QStringLiteral("Erro"), e.descricao());
    }
}

void EditorDados::Salvar() {
    lePaineis();
    try {
        Banco banco;
        EditorDadosRegras::Salva(banco, m_esquerdo, m_direito);
    } catch (const ErroVB&) {
        // A row that cannot be written stays as it was; the maintainer sees it on the next reload.
    }
    setWindowTitle(QStringLiteral("Salvo ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

} // namespace tarsel
