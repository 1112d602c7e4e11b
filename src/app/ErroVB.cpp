#include "app/ErroVB.h"

#include "app/Globais.h"

namespace tarsel {

namespace {
// The run-time's own descriptions, in the language the user chose (English until one is loaded).
QString descricaoPorIdioma(const char* pt, const char* en, const char* es)
{
    switch (globais().IdiomaAtual) {
    case 1:
        return QString::fromUtf8(pt);
    case 3:
        return QString::fromUtf8(es);
    default:
        return QString::fromUtf8(en);
    }
}
} // namespace

ErroVB::ErroVB(int numero, QString descricao)
    : m_numero(numero)
    , m_descricao(std::move(descricao))
    , m_utf8(QStringLiteral("%1 (%2)").arg(m_descricao).arg(m_numero).toUtf8())
{
}

ErroVB ErroVB::tiposIncompativeis()
{
    return ErroVB(13, descricaoPorIdioma("Tipos incompatíveis", "Type mismatch", "No coinciden los tipos"));
}

ErroVB ErroVB::estouro()
{
    return ErroVB(6, descricaoPorIdioma("Estouro", "Overflow", "Desbordamiento"));
}

ErroVB ErroVB::divisaoPorZero()
{
    return ErroVB(11, descricaoPorIdioma("Divisão por zero", "Division by zero", "División por cero"));
}

} // namespace tarsel
