#include "app/xIdioma.h"

#include "app/Inicial.h"
#include "base/Globais.h"
#include "base/Traducao.h"
#include "store/Configuracao.h"
#include "tela/Conversoes.h"

#include <QGroupBox>
#include <QPushButton>

namespace tarsel {

xIdioma::xIdioma(Inicial* principal)
    : QDialog(principal)
    , m_principal(principal) {
    setObjectName(QStringLiteral("xIdioma"));
    setModal(true);
    setFixedSize(Twips(4200), Twips(2400));
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(Twips(120), Twips(60), Twips(3960), Twips(2220));
    m_fundo = new QWidget(m_frame);
    m_fundo->setObjectName(QStringLiteral("lbFundoIdioma"));
    m_fundo->setAutoFillBackground(true);
    QPalette pal = m_fundo->palette();
    pal.setColor(QPalette::Window, QColor(70, 130, 200));
    m_fundo->setPalette(pal);
    for (int n = 1; n <= 3; ++n) {
        auto* b = new QPushButton(m_frame);
        b->setObjectName(QStringLiteral("btIdioma%1").arg(n));
        b->setGeometry(Twips(240), Twips(360 + 480 * (n - 1)) + 3, Twips(3480), Twips(480) - 6);
        connect(b, &QPushButton::clicked, this, [this, n] { escolhe(n); });
        m_botoes[n - 1] = b;
    }
    aplicaTextos();
    posicionaFundo();

    // Centred over the main window; its middle 1050 twips above the main window's middle.
    if (principal) {
        const QRect p = principal->frameGeometry();
        const QPoint meio(p.center().x(), p.center().y() - Twips(1050));
        move(meio.x() - width() / 2, meio.y() - height() / 2);
    }
}

void xIdioma::aplicaTextos() {
    setWindowTitle(Traduz(QStringLiteral("Idioma")));
    m_frame->setTitle(Traduz(QStringLiteral("Idiomas disponíveis")) + QStringLiteral(":"));
    m_botoes[0]->setText(Traduz(QStringLiteral("PORTUGUÊS")));
    m_botoes[1]->setText(Traduz(QStringLiteral("INGLÊS")));
    m_botoes[2]->setText(Traduz(QStringLiteral("ESPANHOL")));
}

void xIdioma::posicionaFundo() {
    const int idioma = globais().IdiomaAtual;
    if (idioma < 1 || idioma > 3) {
        m_fundo->hide();
        return;
    }
    static const int topos[] = {360, 840, 1320};
    m_fundo->setGeometry(Twips(120), Twips(topos[idioma - 1]), Twips(3720), Twips(480));
    m_fundo->show();
    m_fundo->lower();
}

void xIdioma::escolhe(int n) {
    if (m_principal)
        m_principal->fechaTelasParaIdioma();
    globais().IdiomaAtual = quint8(n);
    aplicaTextos();
    posicionaFundo();
    if (m_principal)
        m_principal->Traducao_Form_Inicial();
    GravaIdioma(quint8(n));
}

} // namespace tarsel
