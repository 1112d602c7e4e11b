#pragma once

#include <QString>

namespace tarsel {

// The console text of the command under way together with R, the same text without the command.
// R is kept up to date as the text grows, so that appending a chunk costs the chunk and not the
// whole console, however long an answer streams.
class TextoConsole {
public:
    const QString& texto() const { return m_texto; }
    // The text with every occurrence of the command removed (case-sensitive, left to right, as
    // Resposta::semComando does); the whole text when the command is empty.
    const QString& R() const { return m_R; }
    const QString& comando() const { return m_comando; }

    void defineComando(const QString& comando);
    void substitui(const QString& texto);
    void acrescenta(const QString& trecho);

private:
    void recomeca();
    void avanca();

    QString m_texto;
    QString m_comando;
    QString m_R;
    // m_texto before m_firme can no longer hold the start of an occurrence; it gave m_R's first
    // m_firmeR characters. The rest of m_R is a copy of the text from m_firme on.
    qsizetype m_firme = 0;
    qsizetype m_firmeR = 0;
};

} // namespace tarsel
