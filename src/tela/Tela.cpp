#include "tela/Tela.h"

#include "base/Globais.h"

namespace tarsel {

Tela::Tela(const QString& nome, QWidget* parent)
    : QWidget(parent)
    , m_nome(nome)
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
    globais().marcaTela(m_nome, true);
}

Tela::~Tela()
{
    globais().marcaTela(m_nome, false);
}

} // namespace tarsel
