#pragma once

#include <QMetaType>
#include <QString>

namespace tarsel {

// A finished (or growing) answer as the receiving screen gets it.
struct Resposta {
    int codigo = 0;  // the active-screen code that asked
    QString comando; // the command text, without line end
    QString console; // the whole console text
    QString R;       // the console with every occurrence of the command removed (case-sensitive)

    static Resposta de(int codigo, const QString& comando, const QString& console);
    // The console with every occurrence of `comando` removed; an empty command removes nothing.
    static QString semComando(const QString& console, const QString& comando);
};

} // namespace tarsel

Q_DECLARE_METATYPE(tarsel::Resposta)
