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
