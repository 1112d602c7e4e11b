#include "link/TextoConsole.h"

#include <QStringView>

namespace tarsel {

void TextoConsole::defineComando(const QString& comando) {
    if (comando == m_comando)
        return;
    m_comando = comando;
    recomeca();
}

void TextoConsole::substitui(const QString& texto) {
    m_texto = texto;
    recomeca();
}

void TextoConsole::acrescenta(const QString& trecho) {
    if (trecho.isEmpty())
        return;
    m_texto.append(trecho);
    avanca();
}

void TextoConsole::recomeca() {
    m_R.clear();
    m_firme = 0;
    m_firmeR = 0;
    avanca();
}

void TextoConsole::avanca() {
    const QStringView texto(m_texto);
    m_R.truncate(m_firmeR);
    const qsizetype n = m_comando.size();
    qsizetype de = m_firme;
    if (n > 0) {
        for (qsizetype i; (i = texto.indexOf(m_comando, de, Qt::CaseSensitive)) >= 0; de = i + n)
            m_R.append(texto.mid(de, i - de));
    }
    // An occurrence may still begin in the last n - 1 characters once more text comes: those stay
    // unsettled and are only copied.
    const qsizetype firme = n > 0 ? qMax(de, texto.size() - n + 1) : texto.size();
    m_R.append(texto.mid(de, firme - de));
    m_firme = firme;
    m_firmeR = m_R.size();
    m_R.append(texto.mid(firme));
}

} // namespace tarsel
