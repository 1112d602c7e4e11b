#include "rails/BuckTeste.h"

#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Enlace.h"
#include "link/Resposta.h"
#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"
#include "tela/MarcaResultado.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {

constexpr int TamanhoFigura = 16;
// Wide enough for two check rows side by side.
constexpr int LarguraTela = 16800; // twips
constexpr int AlturaTela = 8430;   // twips

QPixmap desenha(BuckTesteParse::Figura figura) {
    if (figura != BuckTesteParse::Figura::Tensao)
        return MarcaResultado(figura == BuckTesteParse::Figura::Passou, TamanhoFigura);
    QPixmap p(TamanhoFigura, TamanhoFigura);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setPen(Qt::NoPen);
    // A plain reading: a bolt, no verdict.
    pt.setBrush(QColor(40, 100, 190));
    pt.drawEllipse(QRectF(0.5, 0.5, TamanhoFigura - 1, TamanhoFigura - 1));
    QPainterPath raio;
    raio.moveTo(9.5, 2.5);
    raio.lineTo(4.5, 9);
    raio.lineTo(7.8, 9);
    raio.lineTo(6.5, 13.5);
    raio.lineTo(11.5, 7);
    raio.lineTo(8.2, 7);
    raio.closeSubpath();
    pt.setBrush(Qt::white);
    pt.drawPath(raio);
    return p;
}

} // namespace

BuckTeste::BuckTeste(ContextoTela& contexto)
    : TelaComando(contexto, NomeTela::BuckTeste, Codigo) {
    setWindowTitle(QStringLiteral("Buck & Ldo - Voltrace Tarsel"));
    montaTela();
    aplicaTextos();

    // The comparator starts empty; the note follows every change of it.
    connect(m_txtComparador, &QPlainTextEdit::textChanged, this,
            [this] { m_lbInfoBucks->setText(BuckTesteParse::NotaBucks(modelo())); });
    defineComparador(modelo(), {});
    m_lbInfoBucks->setText(BuckTesteParse::NotaBucks(modelo()));
    // The busy panel lies over the two lists.
    definePainelEspera(m_frameVCore,
                       [this] { return m_listView->geometry().united(m_listViewComparador->geometry()); });
}

void BuckTeste::aoBuscarDadosGravados(const QString& familia) {
    // While a check is under way the command field holds it: its saved answer for the new family.
    defineComparador(familia, enlace().txtComandos());
}

QIcon BuckTeste::ImageList1(BuckTesteParse::Figura figura) {
    return QIcon(desenha(figura));
}

QPushButton* BuckTeste::btBl(int indice) const {
    if (indice == Leitura)
        return m_btBl[0];
    if (indice == Teste)
        return m_btBl[1];
    return nullptr;
}

void BuckTeste::montaTela() {
    resize(Twips(LarguraTela), Twips(AlturaTela));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(10, 8, 10, 8);
    v->setSpacing(6);

    auto negrito = [](QWidget* w) {
        QFont f = w->font();
        f.setBold(true);
        w->setFont(f);
    };

    // Top: back to the Buck and LDO screen, the two checks with the percentage, "Original".
    auto* topo = new QHBoxLayout;
    topo->setSpacing(6);
    m_botao1 = new QPushButton(QStringLiteral("BUCK"), this);
    m_botao1->setObjectName(QStringLiteral("Botao1"));
    m_botao2 = new QPushButton(QStringLiteral("LDO"), this);
    m_botao2->setObjectName(QStringLiteral("Botao2"));
    for (QPushButton* b : {m_botao1, m_botao2}) {
        b->setMinimumSize(Twips(1200), Twips(480));
        negrito(b);
        connect(b, &QPushButton::clicked, this, &BuckTeste::voltaBuckLdo);
        topo->addWidget(b);
    }
    auto* separador = new QFrame(this);
    separador->setFrameShape(QFrame::VLine);
    separador->setFrameShadow(QFrame::Sunken);
    topo->addSpacing(6);
    topo->addWidget(separador);
    topo->addSpacing(6);

    for (int i = 0; i < 2; ++i) {
        const int indice = i == 0 ? Leitura : Teste;
        m_btBl[i] = new QPushButton(this);
        m_btBl[i]->setObjectName(QStringLiteral("btBl%1").arg(indice));
        m_btBl[i]->setMinimumSize(Twips(1900), Twips(480));
        negrito(m_btBl[i]);
        connect(m_btBl[i], &QPushButton::clicked, this, [this, indice] { clicaCheck(indice); });
        topo->addWidget(m_btBl[i]);
    }
    m_combo1 = new QComboBox(this);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->addItems({QStringLiteral(" 5"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("20"),
                        QStringLiteral("25"), QStringLiteral("30")});
    m_combo1->setEditText(QStringLiteral("5"));
    m_combo1->setFixedWidth(Twips(900));
    m_lbPorcento = new QLabel(QStringLiteral("%"), this);
    topo->addWidget(m_combo1);
    topo->addWidget(m_lbPorcento);
    topo->addStretch(1);
    m_btOriginal = new QPushButton(QStringLiteral("Original"), this);
    m_btOriginal->setObjectName(QStringLiteral("btOriginal"));
    m_btOriginal->setMinimumHeight(Twips(480));
    connect(m_btOriginal, &QPushButton::clicked, this, &BuckTeste::PreProcesso);
    topo->addWidget(m_btOriginal);
    v->addLayout(topo);

    // The two lists side by side: the attached phone, and the saved answer of a known-good board.
    const QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* listas = new QHBoxLayout;
    listas->setSpacing(10);
    for (int i = 0; i < 2; ++i) {
        auto* coluna = new QVBoxLayout;
        coluna->setSpacing(3);
        m_lblLabel[i] = new QLabel(this);
        m_lblLabel[i]->setObjectName(QStringLiteral("lblLabel%1").arg(i));
        negrito(m_lblLabel[i]);
        auto* lista = new QListWidget(this);
        lista->setObjectName(i == 0 ? QStringLiteral("ListView") : QStringLiteral("ListViewComparador"));
        lista->setFont(fixa);
        lista->setIconSize(QSize(TamanhoFigura, TamanhoFigura));
        lista->setSelectionMode(QAbstractItemView::SingleSelection);
        lista->setUniformItemSizes(true);
        lista->setAlternatingRowColors(true);
        coluna->addWidget(m_lblLabel[i]);
        coluna->addWidget(lista, 1);
        listas->addLayout(coluna, 1);
        (i == 0 ? m_listView : m_listViewComparador) = lista;
    }
    v->addLayout(listas, 1);

    // Bottom: the raw answer (what "Original" parses again) and the per-model note.
    auto* baixo = new QHBoxLayout;
    baixo->setSpacing(10);
    m_txtDados = new QPlainTextEdit(this);
    m_txtDados->setObjectName(QStringLiteral("txtDados"));
    m_txtDados->setFont(fixa);
    m_txtDados->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtDados->setFixedHeight(Twips(1500));
    baixo->addWidget(m_txtDados, 1);
    auto* info = new QVBoxLayout;
    info->setSpacing(2);
    m_lbInfoTitulo = new QLabel(this);
    m_lbInfoTitulo->setObjectName(QStringLiteral("lbInfoTitulo"));
    negrito(m_lbInfoTitulo);
    m_lbInfoBucks = new QLabel(this);
    m_lbInfoBucks->setObjectName(QStringLiteral("lbInfoBucks"));
    m_lbInfoBucks->setWordWrap(true);
    m_lbInfoBucks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->addWidget(m_lbInfoTitulo);
    info->addWidget(m_lbInfoBucks, 1);
    baixo->addLayout(info, 1);
    v->addLayout(baixo);

    // The saved answer itself is not shown: its list is.
    m_txtComparador = new QPlainTextEdit(this);
    m_txtComparador->setObjectName(QStringLiteral("txtComparador"));
    m_txtComparador->setReadOnly(true);
    m_txtComparador->hide();

    // The progress panel lies over the lists while a check runs.
    m_frameVCore = new PainelProgresso(this);
}

void BuckTeste::aplicaTextos() {
    m_btBl[0]->setText(QStringLiteral("Buck ") + Traduz(QStringLiteral("Leitura")));
    m_btBl[1]->setText(QStringLiteral("Buck ") + Traduz(QStringLiteral("Teste")));
    m_lblLabel[0]->setText(Traduz(QStringLiteral("Leitura do dispositivo conectado:")));
    m_lblLabel[1]->setText(Traduz(QStringLiteral("Comparador: (Dispositivos Gravados)")));
    m_lbInfoTitulo->setText(Traduz(QStringLiteral("Informações adicionais")) + QStringLiteral(":"));
    m_frameVCore->lbGrade()->setText(Traduz(QStringLiteral("Realizando Leitura...")));
}

void BuckTeste::posiciona(QWidget* janela, const QSize& area) {
    // Centred across the main window's area, near its top.
    janela->resize(janela->size() - size() + QSize(Twips(LarguraTela), Twips(AlturaTela)));
    Tela::posiciona(janela, area);
}

void BuckTeste::clicaCheck(int indice) {
    if (!ocioso())
        return;
    defineComparador(modelo(), {});
    m_selecionado = indice;
    Pesquisa();
}

void BuckTeste::Pesquisa() {
    QString comando;
    if (m_selecionado == Leitura) {
        comando = BuckTesteParse::ComandoLeitura;
        m_combo1->setEditText(QStringLiteral("5"));
        m_modo = BuckTesteParse::Modo::Leitura;
    } else if (m_selecionado == Teste) {
        const auto c = BuckTesteParse::ComandoTeste(m_combo1->currentText());
        if (!c)
            return;
        comando = *c;
        m_modo = BuckTesteParse::Modo::Teste;
    } else {
        return;
    }
    m_comando = comando;
    m_txtDados->clear();
    m_listView->clear();
    m_listViewComparador->clear();
    envia(comando);
}

void BuckTeste::recebe(const Resposta& r) {
    m_txtDados->setPlainText(r.console);
    PreProcesso();
}

void BuckTeste::PreProcesso() {
    const bool feito = protege([this] {
        const QString resposta = m_txtDados->toPlainText();
        // Not parsed: the box keeps what came.
        if (!BuckTesteParse::Processavel(resposta))
            return;
        m_txtDados->clear();
        preenche(m_listView, BuckTesteParse::Analisa(m_modo, resposta));
        defineComparador(modelo(), m_comando);
        terminaEspera();
        preencheComparador();
    });
    // Whatever happened, the screen is ready for the next check.
    if (!feito || aguardando())
        terminaEspera();
}

void BuckTeste::aoMudarModelo(const QString& familia) {
    defineComparador(familia, m_comando);
    m_lbInfoBucks->setText(BuckTesteParse::NotaBucks(familia));
    if (!aguardando())
        preencheComparador();
}

void BuckTeste::defineComparador(const QString& familia, const QString& comando) {
    QString dados;
    if (!comando.isEmpty()) {
        try {
            dados = BuckTesteParse::DadosGravados(familia, comando);
        } catch (const ErroVB& e) {
            dialogos().erro(e.numero(), e.descricao());
        }
    }
    m_txtComparador->setPlainText(dados);
}

void BuckTeste::preencheComparador() {
    const QString gravado = m_txtComparador->toPlainText();
    preenche(m_listViewComparador,
             gravado.isEmpty() ? QList<BuckTesteParse::Linha>{} : BuckTesteParse::Analisa(m_modo, gravado));
}

void BuckTeste::preenche(QListWidget* lista, const QList<BuckTesteParse::Linha>& linhas) {
    lista->clear();
    for (const auto& l : linhas) {
        auto* item = new QListWidgetItem(ImageList1(l.figura), l.texto, lista);
        item->setData(PapelFigura, int(l.figura));
    }
}

void BuckTeste::voltaBuckLdo() {
    QWidget* buckLdo = contexto().abreTela(NomeTela::BuckLdo);
    if (!buckLdo)
        return;
    buckLdo->setFocus();
    if (auto* janela = qobject_cast<QMdiSubWindow*>(parentWidget()))
        janela->close();
    else
        close();
}

} // namespace tarsel
