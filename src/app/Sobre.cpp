#include "app/Sobre.h"

#include "app/Logotipo.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "online/Servidor.h"
#include "store/Sincronizacao.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tarsel {

namespace {
constexpr int PaginaProduto = 1;
constexpr int PaginaCentral = 10;
constexpr int PaginaDestaque = 52;
} // namespace

Sobre::Sobre(ContextoTela& contexto)
    : Tela(contexto, NomeTela::Sobre) {
    auto* grade = new QGridLayout(this);
    grade->setContentsMargins(14, 12, 14, 12);
    grade->setHorizontalSpacing(18);
    grade->setVerticalSpacing(8);

    m_logo = new QToolButton(this);
    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_logo->setAutoRaise(true);
    m_logo->setIcon(Logotipo(QSize(240, 135), true));
    m_logo->setIconSize(QSize(240, 135));
    m_logo->setCursor(Qt::PointingHandCursor);
    connect(m_logo, &QToolButton::clicked, this, [] { AbrePaginaServidor(PaginaProduto); });
    grade->addWidget(m_logo, 0, 0, 5, 1, Qt::AlignTop);

    m_titulo = new QPushButton(QStringLiteral("Voltrace Tarsel"), this);
    m_titulo->setObjectName(QStringLiteral("lbTitulo"));
    m_titulo->setFlat(true);
    m_titulo->setCursor(Qt::PointingHandCursor);
    QFont ft = m_titulo->font();
    ft.setBold(true);
    ft.setPointSizeF(ft.pointSizeF() * 1.6);
    m_titulo->setFont(ft);
    m_titulo->setStyleSheet(QStringLiteral("text-align: left; padding: 0px;"));
    connect(m_titulo, &QPushButton::clicked, this, [] { AbrePaginaServidor(PaginaProduto); });
    grade->addWidget(m_titulo, 0, 1);

    m_versao = new QLabel(this);
    m_versao->setObjectName(QStringLiteral("lbVersao"));
    m_registro = new QLabel(this);
    m_registro->setObjectName(QStringLiteral("lbRegistro"));
    m_desenvolvido = new QLabel(this);
    m_desenvolvido->setObjectName(QStringLiteral("lbDesenvolvido"));
    m_autorais = new QLabel(this);
    m_autorais->setObjectName(QStringLiteral("lbAutorais"));
    grade->addWidget(m_versao, 1, 1);
    grade->addWidget(m_registro, 2, 1);
    grade->addWidget(m_desenvolvido, 3, 1);
    grade->addWidget(m_autorais, 4, 1);

    m_suporte = new QGroupBox(this);
    m_suporte->setObjectName(QStringLiteral("FrameSuporte"));
    auto* vs = new QVBoxLayout(m_suporte);
    for (int p : {4, 5, PaginaCentral})
        vs->addWidget(criaLink(p, m_suporte));
    m_remoto = new QGroupBox(this);
    m_remoto->setObjectName(QStringLiteral("FrameSuporteRemoto"));
    auto* vr = new QVBoxLayout(m_remoto);
    for (int p : {6, 7, 8})
        vr->addWidget(criaLink(p, m_remoto));
    auto* grupos = new QHBoxLayout;
    grupos->addWidget(m_suporte, 1);
    grupos->addWidget(m_remoto, 1);
    grade->addLayout(grupos, 5, 0, 1, 2);

    m_outras = new QToolButton(this);
    m_outras->setObjectName(QStringLiteral("btOutrasOpcoes"));
    m_outras->setPopupMode(QToolButton::InstantPopup);
    m_outras->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* menu = new QMenu(m_outras);
    m_sincronizar = menu->addAction(QString());
    m_sincronizar->setObjectName(QStringLiteral("mnuSincronizar"));
    connect(m_sincronizar, &QAction::triggered, this, [] { SincronizaManualmente(); });
    m_outras->setMenu(menu);
    grade->addWidget(m_outras, 6, 0, 1, 2, Qt::AlignLeft);

    // The contact page the server wants noticed, unless its switch says otherwise.
    if (LePaginaServidor(PaginaDestaque) != QLatin1String("S")) {
        m_destaque = PaginaCentral;
        QPushButton* b = m_links.value(PaginaCentral);
        QFont f = b->font();
        f.setBold(true);
        b->setFont(f);
        b->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px; color: #0b4f9c; "
                                        "background: #fff3b0; border: 1px solid #e0c040; border-radius: 3px;"));
    }
    aplicaTextos();
}

QPushButton* Sobre::criaLink(int pagina, QWidget* pai) {
    auto* b = new QPushButton(pai);
    b->setObjectName(QStringLiteral("lnkPagina%1").arg(pagina));
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 6px; color: #0b4f9c;"));
    connect(b, &QPushButton::clicked, this, [pagina] { AbrePaginaServidor(pagina); });
    m_links.insert(pagina, b);
    return b;
}

bool Sobre::destacado(int pagina) const {
    return pagina == m_destaque;
}

void Sobre::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Sobre")));
    m_versao->setText(Traduz(QStringLiteral("Versão")) + QStringLiteral(" ") + globais().Versao);
    m_registro->setText(Traduz(QStringLiteral("Soft_Reg")));
    m_desenvolvido->setText(Traduz(QStringLiteral("Desenvolvido por")) + QStringLiteral(" ") +
                            Traduz(QStringLiteral("Zir Avarar")));
    m_autorais->setText(QStringLiteral("© ") + Traduz(QStringLiteral("Autorais")));
    m_logo->setToolTip(Traduz(QStringLiteral("Site do produto")));
    m_titulo->setToolTip(Traduz(QStringLiteral("Site do produto")));
    m_suporte->setTitle(Traduz(QStringLiteral("Suporte")));
    m_remoto->setTitle(Traduz(QStringLiteral("Suporte Remoto")));
    m_links[4]->setText(Traduz(QStringLiteral("Contato")) + QStringLiteral(" 1"));
    m_links[5]->setText(Traduz(QStringLiteral("Contato")) + QStringLiteral(" 2"));
    m_links[PaginaCentral]->setText(Traduz(QStringLiteral("Central de Atendimento")));
    for (int p : {6, 7, 8})
        m_links[p]->setText(Traduz(QStringLiteral("Suporte Remoto")) + QStringLiteral(" %1").arg(p - 5));
    m_outras->setText(Traduz(QStringLiteral("Outras Opções")));
    m_sincronizar->setText(Traduz(QStringLiteral("SYNC_1")));
}

} // namespace tarsel
