#include "tela/ContextoTela.h"

#include "base/Globais.h"
#include "link/Enlace.h"

namespace tarsel {

bool ContextoTela::envia(int codigo, const QString& comando, bool espelho) {
    Enlace& e = enlace();
    if (!e.ocioso())
        return false;
    globais().TelaAtiva = QString::number(codigo);
    globais().EspelhoAtivo = espelho;
    e.defineComando(comando);
    return e.EnviaComando();
}

} // namespace tarsel
