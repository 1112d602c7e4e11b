#include "app/Inicial.h"

#include "app/Dicas.h"
#include "app/Logotipo.h"
#include "app/RegistroTelas.h"
#include "app/fmxMenu.h"
#include "app/xIdioma.h"
#include "base/Dialogos.h"
#include "base/ErroVB.h"
#include "base/Familias.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "link/Conexao.h"
#include "link/Enlace.h"
#include "link/Identificacao.h"
#include "link/MapaPortas.h"
#include "link/ModeloBox.h"
#include "link/RegistroSessao.h"
#include "online/Servidor.h"
#include "store/Configuracao.h"
#include "store/Sincronizacao.h"
#include "tela/Conversoes.h"
#include "tela/Tela.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
QPixmap lampada(const QColor& cor) {
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter pt(&p);
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setPen(QPen(QColor(90, 90, 90), 1));
    QRadialGradient g(QPointF(7, 7), 10);
    g.setColorAt(0, cor.lighter(150));
    g.setColorAt(1, cor);
    pt.setBrush(g);
    pt.drawEllipse(QRectF(1.5, 1.5, 15, 15));
    return p;
}
} // namespace

Inicial::Inicial(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("Inicial"));
    auto* central = new QWidget(this);
    auto* v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    m_cabecalho = new QWidget(central);
    m_cabecalho->setObjectName(QStringLiteral("Cabecalho"));
    m_cabecalho->setAutoFillBackground(true);
    m_cabecalho->installEventFilter(this);
    v->addWidget(m_cabecalho);
    m_mdi = new QMdiArea(central);
    m_mdi->setObjectName(QStringLiteral("PictureS"));
    m_mdi->viewport()->installEventFilter(this);
    m_mdi->viewport()->setMouseTracking(true);
    v->addWidget(m_mdi, 1);
    setCentralWidget(central);

    m_enlace = new Enlace(this);
    m_identificacao = new Identificacao(*m_enlace, *this, this);
    m_conexao = new Conexao(*m_enlace, *m_identificacao, *this, this);
    m_telas = new RegistroTelas(*this, m_mdi, this);
    connect(m_enlace, &Enlace::textoStatusMudou, this, [this](const QString& chave) { m_st1->setText(Traduz(chave)); });
    connect(m_enlace, &Enlace::tituloMudou, this, [this](const QString& titulo) { setWindowTitle(titulo); });

    montaCabecalho();
    m_menu = new fmxMenu(m_mdi);
    m_dicas = new Dicas(m_mdi);
    // Screens cover the background the pointer would cross to hide the sub-menu: working in a screen
    // hides it too.
    connect(m_mdi, &QMdiArea::subWindowActivated, m_menu, &QWidget::hide);

    m_barra->defineAposErro([this] {
        try {
            CarregaPortas();
        } catch (const ErroVB&) {
        }
    });
    m_barra->defineAcao(Botao::Conectar, [this] {
        m_dicas->hide();
        m_conexao->clique();
    });
    m_barra->defineAcao(Botao::Idioma, [this] {
        xIdioma janela(this);
        janela.exec();
    });
    m_barra->defineAcao(Botao::PanicFull, [this] { AbrePaginaServidor(9); });
    connect(m_barra, &BarraBotoes::pairou, this, &Inicial::pairaBotao);
    connect(m_imgAtualizar, &QToolButton::clicked, this, [this] {
        m_identificacao->AtualizaModelo();
        try {
            CarregaPortas();
        } catch (const ErroVB&) {
        }
    });
    resize(Twips(21600), Twips(12600));
}

Inicial::~Inicial() {
    // Screens close while the link and the registry they talk to are still there.
    for (QMdiSubWindow* j : m_mdi->subWindowList())
        delete j;
    // Message texts must not ask a window that is gone for its port text.
    globais().textoPorta = nullptr;
}

void Inicial::registraTela(const QString& nome, int botao, int entrada, const QString& rotuloEntrada, Fabrica cria) {
    m_telas->registra({nome, std::move(cria), botao, entrada});
    auto abre = [this, nome] { abreTela(nome); };
    if (botao != Botao::Nenhum)
        m_barra->defineAcao(botao, abre);
    if (entrada != EntradaMenu::Nenhuma)
        m_menu->defineAcao(entrada, abre, rotuloEntrada);
}

void Inicial::carrega() {
    // Before anything else: the import may bring back the remembered choices this load restores.
    OfereceImportacao();
    Traducao_Form_Inicial();
    MostraStatus(QStringLiteral("Branco"));
    globais().TituloPrincipal = QStringLiteral("Voltrace Tarsel v.") + globais().Versao;
    setWindowTitle(globais().TituloPrincipal);
    globais().textoPorta = [this] { return m_cbPortas->currentText(); };
    iniciaRegistro();
    {
        const bool religa = LeReligaAposPerda();
        m_conexao->defineReligaAposPerda(religa);
        const QSignalBlocker bloqueio(m_acaoReligar);
        m_acaoReligar->setChecked(religa);
    }
    m_comboAparelhos->show();
    m_imgAtualizar->show();
    try {
        globais().EspelhoAtivo = false;
        globais().telasAbertas.clear();
        m_comboBox->blockSignals(true);
        m_comboBox->clear();
        m_comboBox->addItems({QStringLiteral("1"), QStringLiteral("2")});
        m_comboBox->blockSignals(false);
        CarregaPortas();
        restauraModeloBox();
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
    }
}

void Inicial::iniciaRegistro() {
    const EscolhaRegistro escolha = LeEscolhaRegistro();
    m_registro =
        std::make_unique<RegistroSessao>(QDir(globais().PastaPrograma).filePath(QStringLiteral("logs")), escolha.dias);
    m_registro->defineAtivo(escolha.ativo);
    const auto porta = [this] {
        return m_enlace->numeroPorta() > 0 ? QStringLiteral("COM%1").arg(m_enlace->numeroPorta()) : QString();
    };
    connect(m_enlace, &Enlace::enviado, this,
            [this, porta](const QString& comando) { m_registro->comando(porta(), numeroModelo(), comando); });
    connect(m_enlace, &Enlace::entregue, this,
            [this, porta](const Resposta& r) { m_registro->resposta(porta(), numeroModelo(), r.console); });
    connect(m_enlace, &Enlace::portaPerdida, this,
            [this, porta] { m_registro->evento(porta(), numeroModelo(), QStringLiteral("port lost")); });
}

void Inicial::restauraModeloBox() {
    // The stored BOX model sets the polling speed.
    const ModeloBox gravado = ModeloBoxGravado(LeCombo(7));
    const QString& modelo = gravado.modelo;
    if (gravado.regravar)
        GravaCombo(7, modelo);
    m_comboBox->blockSignals(true);
    m_comboBox->setCurrentText(modelo);
    m_comboBox->blockSignals(false);
    m_enlace->defineModeloBox(modelo);
}

void Inicial::escolheModeloBox(const QString& texto) {
    try {
        GravaCombo(7, texto);
    } catch (const ErroVB& e) {
        dialogos().erro(e.numero(), e.descricao());
    }
    m_enlace->defineModeloBox(texto);
}

QString Inicial::familia() const {
    return m_comboAparelhos->currentText();
}

QString Inicial::numeroModelo() const {
    return m_lbModelo->text();
}

QWidget* Inicial::abreTela(const QString& nome) {
    return m_telas->abre(nome);
}

bool Inicial::temTela(const QString& nome) const {
    return m_telas->registrada(nome);
}

QWidget* Inicial::tela(const QString& nome) const {
    return m_telas->tela(nome);
}

void Inicial::ocultaSubMenu() {
    if (m_menu->isVisible())
        m_menu->hide();
}

QString Inicial::textoPorta() const {
    return m_cbPortas->currentText();
}

void Inicial::defineLegendaConectar(const QString& chave) {
    m_chaveConectar = chave;
    Botoes(Botao::Conectar)->setText(Traduz(chave));
}

void Inicial::defineTextoStatus(const QString& chave) {
    m_st1->setText(Traduz(chave));
}

void Inicial::escolheReligar(bool ativa) {
    if (m_conexao->religaAposPerda() == ativa)
        return;
    m_conexao->defineReligaAposPerda(ativa);
    if (!GravaReligaAposPerda(ativa))
        Mensagem(QStringLiteral("MSG_RELIGA_NAO_GRAVADO"));
}

QString Inicial::textoModelo() const {
    return m_lbModelo->text();
}

void Inicial::defineModelo(const QString& texto) {
    m_lbModelo->setText(texto);
    m_lbModelo->repaint();
}

QString Inicial::textoAparelho() const {
    return m_comboAparelhos->currentText();
}

void Inicial::defineAparelho(const QString& familia) {
    m_comboAparelhos->setCurrentText(familia);
}

void Inicial::focaAparelhos() {
    m_comboAparelhos->setFocus();
}

void Inicial::CarregaPortas() {
    const QStringList portas = MapaPortas::ListaPortas(globais().PastaPrograma);
    m_cbPortas->clear();
    m_cbPortas->addItems(portas);
    if (!portas.isEmpty())
        m_cbPortas->setCurrentIndex(portas.size() - 1);
    else
        m_cbPortas->setCurrentText(QString());
}

void Inicial::AbrePaginaServidor(int n) {
    tarsel::AbrePaginaServidor(n);
}

void Inicial::conectado() {
    m_telas->conectado();
}

void Inicial::montaCabecalho() {
    // Port frame: port list, BOX model, connect button, status lamp and text.
    m_framePorta = new QWidget(m_cabecalho);
    m_framePorta->setObjectName(QStringLiteral("FramePorta"));
    m_framePorta->installEventFilter(this);
    m_framePorta->setMouseTracking(true);
    auto* gp = new QGridLayout(m_framePorta);
    gp->setContentsMargins(6, 4, 6, 4);
    gp->setHorizontalSpacing(6);
    gp->setVerticalSpacing(2);
    m_lbFramePorta = new QLabel(m_framePorta);
    m_lbFramePorta->setObjectName(QStringLiteral("lbFramePorta"));
    m_cbPortas = new QComboBox(m_framePorta);
    m_cbPortas->setObjectName(QStringLiteral("cbPortas"));
    m_cbPortas->setEditable(true);
    m_cbPortas->setInsertPolicy(QComboBox::NoInsert);
    m_cbPortas->setMinimumWidth(64);
    m_lbBox = new QLabel(m_framePorta);
    m_lbBox->setObjectName(QStringLiteral("lbBox"));
    m_comboBox = new QComboBox(m_framePorta);
    m_comboBox->setObjectName(QStringLiteral("ComboBox"));
    m_comboBox->installEventFilter(this);
    m_comboBox->setMinimumWidth(56);
    m_comboBox->addItems({QStringLiteral("1"), QStringLiteral("2")});
    connect(m_comboBox, &QComboBox::textActivated, this, &Inicial::escolheModeloBox);
    gp->addWidget(m_lbFramePorta, 0, 0);
    gp->addWidget(m_cbPortas, 1, 0);
    gp->addWidget(m_lbBox, 0, 1);
    gp->addWidget(m_comboBox, 1, 1);

    m_barra = new BarraBotoes(m_cabecalho, m_framePorta);
    gp->addWidget(Botoes(Botao::Conectar), 0, 2, 2, 1);
    m_imgStatus = new QLabel(m_framePorta);
    m_imgStatus->setObjectName(QStringLiteral("ImgStatus"));
    m_st1 = new QLabel(m_framePorta);
    m_st1->setObjectName(QStringLiteral("St1"));
    m_st1->setMinimumWidth(Twips(1500));
    auto* estado = new QHBoxLayout;
    estado->setSpacing(4);
    estado->addWidget(m_imgStatus);
    estado->addWidget(m_st1, 1);
    gp->addLayout(estado, 0, 3, 2, 1);
    // A choice about the link, so it sits on the link's own frame: right click on the port list's
    // label, the lamp or the status text (the editable list keeps its own text menu).
    m_acaoReligar = new QAction(m_framePorta);
    m_acaoReligar->setObjectName(QStringLiteral("acReligaAposPerda"));
    m_acaoReligar->setCheckable(true);
    m_framePorta->addAction(m_acaoReligar);
    m_framePorta->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_acaoReligar, &QAction::toggled, this, &Inicial::escolheReligar);

    // Model frame: model family list, model number read from the phone, refresh icon.
    m_frameMD = new QWidget(m_cabecalho);
    m_frameMD->setObjectName(QStringLiteral("FrameMD"));
    m_frameMD->installEventFilter(this);
    m_frameMD->setMouseTracking(true);
    auto* gm = new QGridLayout(m_frameMD);
    gm->setContentsMargins(6, 4, 6, 4);
    gm->setHorizontalSpacing(6);
    gm->setVerticalSpacing(2);
    m_comboAparelhos = new QComboBox(m_frameMD);
    m_comboAparelhos->setObjectName(QStringLiteral("ComboAparelhos"));
    m_comboAparelhos->setMinimumWidth(Twips(1700));
    m_comboAparelhos->installEventFilter(this);
    m_comboAparelhos->addItems(FamiliasModelo());
    m_comboAparelhos->setCurrentText(FamiliaPadrao);
    connect(m_comboAparelhos, &QComboBox::currentTextChanged, this, [this] {
        BuscaDadosGravados();
        AplicaModelo();
    });
    m_lbModelo = new QLabel(m_frameMD);
    m_lbModelo->setObjectName(QStringLiteral("lbModelo"));
    m_lbModelo->setMinimumWidth(Twips(1100));
    QFont fm = m_lbModelo->font();
    fm.setBold(true);
    m_lbModelo->setFont(fm);
    m_imgAtualizar = new QToolButton(m_frameMD);
    m_imgAtualizar->setObjectName(QStringLiteral("imgAtualizar"));
    m_imgAtualizar->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_imgAtualizar->setAutoRaise(true);
    m_imgAtualizar->setIconSize(QSize(22, 22));
    gm->addWidget(m_comboAparelhos, 0, 0, 1, 2);
    gm->addWidget(m_lbModelo, 1, 0);
    gm->addWidget(m_imgAtualizar, 1, 1, Qt::AlignRight);

    m_grade = new QGridLayout(m_cabecalho);
    m_grade->setContentsMargins(2, 2, 2, 2);
    m_grade->setSpacing(2);
    dispoeBarra();
}

void Inicial::dispoeBarra() {
    m_grade->removeWidget(m_framePorta);
    m_grade->removeWidget(m_frameMD);
    m_grade->removeWidget(m_barra);
    m_grade->addWidget(m_framePorta, 0, 0);
    m_grade->addWidget(m_frameMD, 0, 1);
    // Beside the frames the bar may give up width (a narrower window turns compact); on its own
    // row it keeps what its buttons need.
    if (m_compacta) {
        m_barra->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        m_grade->addWidget(m_barra, 1, 0, 1, 3);
    } else {
        m_barra->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        m_grade->addWidget(m_barra, 0, 2);
    }
    m_grade->setColumnStretch(2, 1);
}

QPushButton* Inicial::Botoes(int indice) const {
    return m_barra->botao(indice);
}

QLabel* Inicial::lbTristarTigris() const {
    return m_barra->lbTristarTigris();
}

QString Inicial::Status() const {
    return m_enlace->Status();
}

void Inicial::Traducao_Form_Inicial() {
    // While the lost adapter is watched for, the button stops the watch as it would close the link.
    const bool conectado = Status() != QLatin1String("0") || m_conexao->religando();
    if (conectado && m_chaveConectar == QLatin1String("Conectar"))
        m_chaveConectar = QStringLiteral("Desconectar");
    else if (!conectado)
        m_chaveConectar = QStringLiteral("Conectar");
    Botoes(Botao::Conectar)
        ->setText(
            Traduz(m_chaveConectar == QLatin1String("Conectando") ? QStringLiteral("Desconectar") : m_chaveConectar));
    m_st1->setText(Traduz(m_conexao->religando()           ? QStringLiteral("Religando")
                          : Status() != QLatin1String("0") ? QStringLiteral("Conectado")
                                                           : QStringLiteral("Desconectado")));
    m_acaoReligar->setText(Traduz(QStringLiteral("Reconectar quando o aparelho voltar")));
    m_acaoReligar->setToolTip(Traduz(QStringLiteral("Reconectar quando o aparelho voltar")));
    m_barra->aplicaTextos();

    m_lbFramePorta->setText(Traduz(QStringLiteral("Porta COM")));
    m_cbPortas->setToolTip(Traduz(QStringLiteral("Porta COM de comunicação com o dispositivo")));
    m_lbBox->setText(Traduz(QStringLiteral("Box_Modelo")));
    m_comboAparelhos->setToolTip(Traduz(QStringLiteral("Selecione o modelo do dispositivo")));
    m_lbModelo->setToolTip(Traduz(QStringLiteral("Modelo do dispositivo")));
    m_imgAtualizar->setToolTip(Traduz(QStringLiteral("Atualizar")));
    m_menu->aplicaTextos();
    m_dicas->aplicaTextos();
}

void Inicial::MostraStatus(const QString& cor) {
    QColor c;
    if (cor == QLatin1String("Branco"))
        c = CorBGR(Cores::Branco);
    else if (cor == QLatin1String("Verde"))
        c = QColor(40, 200, 60);
    else if (cor == QLatin1String("Amarelo"))
        c = QColor(250, 210, 20);
    else
        return;
    m_corStatus = cor;
    m_imgStatus->setPixmap(lampada(c));
}

void Inicial::BuscaDadosGravados() {
    m_telas->BuscaDadosGravados(familia(), globais().TelaAtiva.toInt());
}

void Inicial::AplicaModelo() {
    const QString f = familia();
    m_barra->aplicaFamilia(f);
    m_telas->AplicaModelo(f);
}

void Inicial::fechaTelasParaIdioma() {
    m_telas->mudouIdioma();
    m_dicas->hide();
}

void Inicial::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // Compact at the stated width or narrower, and also whenever one row would squeeze the buttons.
    const int umaLinha =
        m_framePorta->sizeHint().width() + m_frameMD->sizeHint().width() + m_barra->sizeHint().width() + 16;
    const bool compacta = width() <= Twips(LarguraBarraCompacta) || width() < umaLinha;
    if (compacta != m_compacta) {
        m_compacta = compacta;
        dispoeBarra();
    }
    desenhaFundo();
    LimparLogo = true;
}

void Inicial::desenhaFundo() {
    // The logo, drawn centred in the background of the screens' area.
    const QSize area = m_mdi->viewport()->size();
    if (area.isEmpty())
        return;
    QPixmap fundo(area);
    fundo.fill(QColor(236, 239, 243));
    const QSize logo(qMin(area.width() * 2 / 3, 720), qMin(area.height() * 2 / 3, 360));
    QPainter p(&fundo);
    p.drawPixmap((area.width() - logo.width()) / 2, (area.height() - logo.height()) / 2, Logotipo(logo, false));
    m_mdi->setBackground(fundo);
}

void Inicial::pairaBotao(int indice) {
    auto mostra = [this](int botao, int painel) {
        // At the top of the screens' area, its left edge under the button.
        const int x = Botoes(botao)->mapTo(this, QPoint(0, 0)).x() - m_mdi->mapTo(this, QPoint(0, 0)).x();
        m_menu->ExibirMenu(painel);
        m_menu->move(qMax(0, x), 0);
        m_menu->show();
        m_menu->raise();
    };
    switch (indice) {
    case Botao::BuckLdo:
        mostra(Botao::BuckLdo, 0);
        break;
    case Botao::RF:
        mostra(Botao::RF, 2);
        break;
    case Botao::Display:
        m_menu->lbInfo(EntradaMenu::ChestnutAcorn)->setText(ChipDisplay(familia()));
        mostra(Botao::Display, 1);
        break;
    default:
        m_menu->hide();
        break;
    }
}

void Inicial::pairaFundo() {
    if (m_menu->isVisible())
        m_menu->hide();
    if (m_dicas->isVisible())
        m_dicas->hide();
    if (!LimparLogo)
        return;
    if (globais().telaAberta(NomeTela::VCores) || globais().telaAberta(NomeTela::BuckLdo) ||
        globais().telaAberta(NomeTela::I2C) || globais().telaAberta(NomeTela::Sobre)) {
        LimparLogo = false;
        return;
    }
    mostraLimpa();
}

void Inicial::mostraLimpa() {
    // A blank sheet over the screens' area for a moment, so the whole background repaints.
    auto* zLimpa = new QWidget(m_mdi->viewport());
    zLimpa->setObjectName(QStringLiteral("zLimpa"));
    zLimpa->setAttribute(Qt::WA_DeleteOnClose);
    zLimpa->setAutoFillBackground(true);
    zLimpa->setGeometry(0, 0, qMax(0, width() - Twips(200)), qMax(0, height() - Twips(2000)));
    LimparLogo = false;
    zLimpa->show();
    QTimer::singleShot(10, zLimpa, &QWidget::close);
}

bool Inicial::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Resize && o == m_mdi->viewport())
        desenhaFundo();
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
        if (o == m_mdi->viewport() && e->type() == QEvent::MouseMove)
            pairaFundo();
        else if (o == m_framePorta && Status() == QLatin1String("0") && !globais().telaAberta(NomeTela::Sobre)) {
            m_dicas->aplicaTextos();
            m_dicas->move(0, 0);
            m_dicas->show();
            m_dicas->raise();
        } else if (o == m_frameMD && m_dicas->isVisible()) {
            m_dicas->hide();
        }
    }
    if (o == m_comboBox && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        // Typing into the BOX model list is suppressed; arrows and the pop-up still choose.
        if (k != Qt::Key_Up && k != Qt::Key_Down && k != Qt::Key_Tab && k != Qt::Key_Backtab)
            return true;
    }
    if (o == m_comboAparelhos && e->type() == QEvent::FocusOut && m_comboAparelhos->currentText().isEmpty())
        m_comboAparelhos->setCurrentText(FamiliaPadrao);
    if (o == m_comboAparelhos && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k != Qt::Key_Up && k != Qt::Key_Down && k != Qt::Key_Tab && k != Qt::Key_Backtab)
            return true;
    }
    return QMainWindow::eventFilter(o, e);
}

} // namespace tarsel
