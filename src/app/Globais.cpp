#include "app/Globais.h"

namespace tarsel {

Globais& globais()
{
    static Globais g;
    return g;
}

void Globais::marcaTela(const QString& nome, bool aberta)
{
    if (aberta)
        telasAbertas.insert(nome);
    else
        telasAbertas.remove(nome);
}

} // namespace tarsel
