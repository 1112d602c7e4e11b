#include "tela/Tela.h"

#include "tela/ContextoTela.h"
#include "tela/Conversoes.h"

namespace tarsel {

Tela::Tela(ContextoTela& contexto, const QString& nome, QWidget* parent)
    : QWidget(parent)
    , m_contexto(contexto)
    , m_nome(nome) {
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
}

QString Tela::familia() const {
    return m_contexto.familia();
}

void Tela::posiciona(QWidget* janela, const QSize& area) {
    janela->move(qMax(0, (area.width() - janela->width()) / 2), Twips(50));
}

void Tela::posicionaNoMeio(QWidget* janela, const QSize& area, int largura, int altura) {
    // The window, not only this widget: the frame around it keeps its own size.
    if (largura > 0 && altura > 0)
        janela->resize(janela->size() - size() + QSize(Twips(largura), Twips(altura)));
    const int x = qMax(0, (area.width() - janela->width()) / 2);
    const int y = qMax(0, contexto().alturaPrincipal() / 2 - Twips(1050) - janela->height() / 2);
    janela->move(x, y);
}

void Tela::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (m_posicionada)
        return;
    m_posicionada = true;
    // Inside the main window the parent is the child-window frame, and its parent the screens' area.
    QWidget* janela = parentWidget();
    QWidget* area = janela ? janela->parentWidget() : nullptr;
    if (janela && area)
        posiciona(janela, area->size());
}

} // namespace tarsel
