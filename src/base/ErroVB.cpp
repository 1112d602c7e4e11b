#include "base/ErroVB.h"

#include "base/Globais.h"

namespace tarsel {

ErroVB::ErroVB(int numero, QString descricao)
    : m_numero(numero)
    , m_descricao(std::move(descricao))
    , m_utf8(QStringLiteral("%1 (%2)").arg(m_descricao).arg(m_numero).toUtf8()) {}

ErroVB ErroVB::tiposIncompativeis() {
    return ErroVB(13, PorIdioma("Tipos incompatíveis", "Type mismatch", "No coinciden los tipos"));
}

ErroVB ErroVB::estouro() {
    return ErroVB(6, PorIdioma("Estouro", "Overflow", "Desbordamiento"));
}

ErroVB ErroVB::divisaoPorZero() {
    return ErroVB(11, PorIdioma("Divisão por zero", "Division by zero", "División por cero"));
}

} // namespace tarsel
