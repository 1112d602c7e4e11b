#include "app/Dicas.h"

#include "base/Globais.h"
#include "base/Traducao.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tarsel {

Dicas::Dicas(QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("Dicas"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 253, 231));
    pal.setColor(QPalette::WindowText, QColor(40, 40, 40));
    setPalette(pal);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(12, 10, 12, 12);
    m_titulo = new QLabel(this);
    QFont f = m_titulo->font();
    f.setBold(true);
    m_titulo->setFont(f);
    m_texto = new QLabel(this);
    v->addWidget(m_titulo);
    v->addWidget(m_texto);
    aplicaTextos();
    hide();
}

void Dicas::aplicaTextos() {
    // The same steps the program gives when the BOX does not answer.
    const auto m = MontaMensagem(QStringLiteral("MSG_PORTA"), globais().IdiomaAtual, globais().portaAtual());
    m_titulo->setText(m ? m->titulo.trimmed() : QString());
    m_texto->setText(m ? QString(m->texto).replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\n")) : QString());
    adjustSize();
}

} // namespace tarsel
