#include "link/Roteador.h"

namespace tarsel {

void Roteador::registra(int codigo, Entrega entrega, Espelho espelho) {
    m_receptores.insert(codigo, {std::move(entrega), std::move(espelho)});
}

void Roteador::remove(int codigo) {
    m_receptores.remove(codigo);
}

bool Roteador::entrega(const Resposta& r) const {
    const auto it = m_receptores.constFind(r.codigo);
    if (it == m_receptores.constEnd() || !it->entrega)
        return false;
    // A copy: the receiver may send again (and so change the registry) from inside its delivery.
    const Entrega f = it->entrega;
    f(r);
    return true;
}

bool Roteador::espelha(const Resposta& atual, const QString& acrescimo, bool substituido) const {
    if (!recebeCopia(atual.codigo))
        return false;
    const auto it = m_receptores.constFind(atual.codigo);
    if (it == m_receptores.constEnd() || !it->espelho)
        return false;
    const Espelho f = it->espelho;
    f(atual, acrescimo, substituido);
    return true;
}

} // namespace tarsel
