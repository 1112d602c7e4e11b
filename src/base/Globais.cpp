#include "base/Globais.h"

namespace tarsel {

Globais& globais() {
    static Globais g;
    return g;
}

QString PorIdioma(const char* pt, const char* en, const char* es) {
    switch (globais().IdiomaAtual) {
    case 1:
        return QString::fromUtf8(pt);
    case 3:
        return QString::fromUtf8(es);
    default:
        return QString::fromUtf8(en);
    }
}

void Globais::marcaTela(const QString& nome, bool aberta) {
    if (aberta)
        telasAbertas.insert(nome);
    else
        telasAbertas.remove(nome);
}

} // namespace tarsel
