#include "link/Resposta.h"

namespace tarsel {

Resposta Resposta::de(int codigo, const QString& comando, const QString& console) {
    return {codigo, comando, console, semComando(console, comando)};
}

QString Resposta::semComando(const QString& console, const QString& comando) {
    if (comando.isEmpty())
        return console;
    QString r = console;
    r.remove(comando, Qt::CaseSensitive);
    return r;
}

} // namespace tarsel
